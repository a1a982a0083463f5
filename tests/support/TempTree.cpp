// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TempTree.h"

#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

TempTree::TempTree()
{
    std::string pattern = (fs::temp_directory_path() / "leftscan-test-XXXXXX").native();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_root = pattern;
}

TempTree::~TempTree()
{
    std::error_code error;
    // Folders made unreadable by a test must be opened again before they can be removed.
    for (auto it = fs::recursive_directory_iterator(m_root, fs::directory_options::skip_permission_denied, error);
         it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (it->is_directory(error) && !it->is_symlink(error))
            chmod(it->path().c_str(), 0755);
    }
    chmod(m_root.c_str(), 0755);
    for (int pass = 0; pass < 3; ++pass) {
        for (auto it = fs::recursive_directory_iterator(m_root, error); it != fs::recursive_directory_iterator();
             it.increment(error)) {
            if (it->is_directory(error) && !it->is_symlink(error))
                chmod(it->path().c_str(), 0755);
        }
        fs::remove_all(m_root, error);
        if (!error)
            break;
    }
}

fs::path TempTree::path(std::string_view relative) const
{
    return relative.empty() ? m_root : m_root / fs::path(std::string(relative));
}

fs::path TempTree::makeFolder(std::string_view relative) const
{
    const fs::path folder = path(relative);
    fs::create_directories(folder);
    return folder;
}

fs::path TempTree::writeFile(std::string_view relative, std::string_view contents) const
{
    const fs::path file = path(relative);
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(contents.data(), std::streamsize(contents.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.native());
    return file;
}

fs::path TempTree::makeSymlink(std::string_view relative, std::string_view target) const
{
    const fs::path link = path(relative);
    fs::create_directories(link.parent_path());
    fs::create_symlink(fs::path(std::string(target)), link);
    return link;
}

PropertyListWriter TempTree::infoPlist(std::string_view identifier, std::string_view version)
{
    PropertyListWriter info = PropertyListWriter::dictionary();
    if (!identifier.empty())
        info.setString("CFBundleIdentifier", identifier);
    if (!version.empty())
        info.setString("CFBundleShortVersionString", version);
    return info;
}

std::string TempTree::launchJob(std::string_view label)
{
    return PropertyListWriter::dictionary().setString("Label", label).xml();
}

fs::path TempTree::makeBundle(std::string_view relative, std::string_view identifier, std::string_view version) const
{
    return makeBundle(relative, infoPlist(identifier, version));
}

fs::path TempTree::makeBundle(std::string_view relative, const PropertyListWriter &info) const
{
    const fs::path bundle = makeFolder(relative);
    writeFile(std::string(relative) + "/Contents/Info.plist", info.xml());
    return bundle;
}

void TempTree::setTimes(std::string_view relative, long long accessSeconds, long long modificationSeconds) const
{
    const timespec times[2] = {{time_t(accessSeconds), 0}, {time_t(modificationSeconds), 0}};
    if (utimensat(AT_FDCWD, path(relative).c_str(), times, AT_SYMLINK_NOFOLLOW) != 0)
        throw std::runtime_error("utimensat failed");
}

void TempTree::age(std::string_view relative, int days) const
{
    const long long seconds = std::time(nullptr) - days * 86400LL;
    const fs::path top = path(relative);
    // Listed first: reading a folder after it was dated would date its access anew.
    std::vector<fs::path> items;
    if (fs::is_directory(fs::symlink_status(top))) {
        for (const fs::directory_entry &item : fs::recursive_directory_iterator(top))
            items.push_back(item.path());
    }
    items.push_back(top);
    const timespec times[2] = {{time_t(seconds), 0}, {time_t(seconds), 0}};
    for (const fs::path &item : items) {
        if (utimensat(AT_FDCWD, item.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0)
            throw std::runtime_error("utimensat failed");
    }
}

std::string TempTree::readFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}
