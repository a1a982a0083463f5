// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TrashInspection.h"

#include "TempTree.h"

#include <cctype>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

std::vector<std::string> awkwardNames()
{
    return {"O'Brien Tool",
            "say \"hi\"",
            "back\\slash\\n",
            "$(touch pwned)",
            "`touch pwned`",
            "a'$(touch pwned)'b",
            "''",
            "-n leading dash",
            "-- --",
            "new\nline",
            "bad\xff\xfe utf8",
            "50% $HOME ~",
            "semi; touch pwned &",
            "spaces  and\ttab",
            std::string(255, 'n')};
}

namespace {

// The bytes of a percent-encoded text.
std::string percentDecoded(std::string_view text)
{
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            bytes += char(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

} // namespace

bool isThere(const fs::path &path)
{
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

std::size_t entryCount(const fs::path &folder)
{
    std::error_code error;
    return std::size_t(std::distance(fs::directory_iterator(folder, error), fs::directory_iterator()));
}

bool anythingNamed(const fs::path &root, const std::string &name)
{
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(root, error); it != fs::recursive_directory_iterator();
         it.increment(error)) {
        if (it->path().filename() == name)
            return true;
    }
    return false;
}

std::map<std::string, std::string> treeListing(const fs::path &root)
{
    std::map<std::string, std::string> entries;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(root, error); it != fs::recursive_directory_iterator();
         it.increment(error)) {
        struct stat info {};
        lstat(it->path().c_str(), &info);
        const std::string owner = std::to_string(info.st_uid);
        std::string &entry = entries[it->path().lexically_relative(root).native()];
        if (S_ISLNK(info.st_mode))
            entry = "l " + fs::read_symlink(it->path(), error).native();
        else if (S_ISDIR(info.st_mode))
            entry = "d " + owner;
        else
            entry = "f " + owner + ' ' + TempTree::readFile(it->path());
    }
    return entries;
}

RecordedTrashInfo readTrashInfo(const fs::path &infoFile)
{
    RecordedTrashInfo info;
    std::istringstream in(TempTree::readFile(infoFile));
    for (std::string line; std::getline(in, line);) {
        info.lines.push_back(line);
        if (line.rfind("Path=", 0) == 0)
            info.path = percentDecoded(line.substr(5));
        else if (line.rfind("DeletionDate=", 0) == 0)
            info.deletionDate = line.substr(13);
    }
    return info;
}
