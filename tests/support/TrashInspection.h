// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// Names that break careless shell quoting, line-based files or text conversions, for tests of moving items.
std::vector<std::string> awkwardNames();
// An info file of a freedesktop Trash as the tests read it, apart from the program's own reader: its lines, and the
// decoded Path and the DeletionDate as written.
struct RecordedTrashInfo {
    std::vector<std::string> lines;
    std::string path;
    std::string deletionDate;
};
RecordedTrashInfo readTrashInfo(const std::filesystem::path &infoFile);
// Whether anything, a dangling symbolic link included, is at the path.
bool isThere(const std::filesystem::path &path);
// How many entries a folder holds; 0 when it cannot be listed.
std::size_t entryCount(const std::filesystem::path &folder);
// Whether anything below `root` has this name.
bool anythingNamed(const std::filesystem::path &root, const std::string &name);
// Every entry below `root`, never through a symbolic link, by its path relative to it: "d" and the owner for a
// folder, "f", the owner and the contents for a file, "l" and the target for a link.
std::map<std::string, std::string> treeListing(const std::filesystem::path &root);
