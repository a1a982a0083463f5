// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FuzzSupport.h"

#include "platform/DiagnosticLog.h"
#include "platform/PropertyListWriter.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
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

FuzzSupport::Snapshot FuzzSupport::snapshot(const fs::path &root)
{
    Snapshot entries;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        const fs::path &path = it->path();
        const std::string relative = path.lexically_relative(root).native();
        if (it->is_symlink()) {
            entries[relative] = "l" + fs::read_symlink(path).native();
        } else if (it->is_directory()) {
            entries[relative] = "d";
        } else {
            std::ifstream in(path, std::ios::binary);
            entries[relative] = "f" + std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    return entries;
}

void FuzzSupport::moveEntries(Snapshot &entries, const std::string &from, const std::string &to)
{
    Snapshot moved;
    for (auto it = entries.begin(); it != entries.end();) {
        if (it->first == from || it->first.starts_with(from + "/")) {
            moved[to + it->first.substr(from.size())] = it->second;
            it = entries.erase(it);
        } else {
            ++it;
        }
    }
    entries.merge(moved);
}

std::string FuzzSupport::describe(const Snapshot &entries)
{
    std::string text;
    for (const auto &[path, kind] : entries)
        text += "  [" + path + "] " + kind.substr(0, 1) + "\n";
    return text;
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
