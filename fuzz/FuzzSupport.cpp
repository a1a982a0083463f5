#include "FuzzSupport.h"

#include "platform/DiagnosticLog.h"
#include "platform/PropertyListWriter.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder()
{
    std::string pattern = (fs::temp_directory_path() / "leftscan-fuzz-XXXXXX").native();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code error;
    fs::remove_all(m_path, error);
}

void FuzzSupport::writeFile(const fs::path &file, std::string_view bytes)
{
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out)
        fail("cannot write " + file.native());
}

void FuzzSupport::makeBundle(const fs::path &bundle, std::string_view identifier)
{
    writeFile(bundle / "Contents" / "Info.plist",
              PropertyListWriter::dictionary().setString("CFBundleIdentifier", identifier).xml());
}

std::vector<std::string_view> FuzzSupport::splitAtNul(std::string_view input)
{
    std::vector<std::string_view> pieces;
    for (;;) {
        const auto nul = input.find('\0');
        pieces.push_back(input.substr(0, nul));
        if (nul == std::string_view::npos)
            return pieces;
        input.remove_prefix(nul + 1);
    }
}

bool FuzzSupport::isEntryName(std::string_view name)
{
    return !name.empty() && name.size() <= 255 && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

void FuzzSupport::silenceDiagnostics()
{
    DiagnosticLog::setSink([](const QString &) {});
}

void FuzzSupport::fail(const std::string &what)
{
    std::fprintf(stderr, "\n*** property broken: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}
