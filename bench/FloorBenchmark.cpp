// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The least a scan of a tree has to do, for comparison with the scan itself: every entry below the root and the
// home looked at once (lstat, as find does), the Info.plist of every application and helper bundle and every
// property list directly in a scanned Library folder read whole, with plain POSIX calls and no parsing.
//   leftscan-bench-floor ROOT HOME RUNS LABEL
// Prints the median time of RUNS walks as one result line: figure, value, target, verdict.
#include "platform/UntouchedOpen.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

struct Totals {
    long entries = 0;
    long lists = 0;
    long bytes = 0;
};

void readWhole(const std::string &path, Totals &totals)
{
    const int fd = UntouchedOpen::openAt(AT_FDCWD, path.c_str(), O_RDONLY | O_CLOEXEC).fd;
    if (fd < 0)
        return;
    char buffer[65536];
    for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;)
        totals.bytes += got;
    close(fd);
    ++totals.lists;
}

bool endsWith(const std::string &text, const char *suffix)
{
    const std::size_t length = std::strlen(suffix);
    return text.size() >= length && text.compare(text.size() - length, length, suffix) == 0;
}

// Property lists are read in the folders a scan lists, and those of bundles everywhere.
void walk(const std::string &folder, const std::vector<std::string> &scannedFolders, Totals &totals)
{
    DIR *dir = opendir(folder.c_str());
    if (!dir)
        return;
    const bool listsHere = std::find(scannedFolders.begin(), scannedFolders.end(), folder) != scannedFolders.end();
    std::vector<std::string> folders;
    while (const dirent *entry = readdir(dir)) {
        const char *name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        std::string path = folder + "/" + name;
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0)
            continue;
        ++totals.entries;
        if (S_ISDIR(info.st_mode))
            folders.push_back(std::move(path));
        else if (S_ISREG(info.st_mode) &&
                 (std::strcmp(name, "Info.plist") == 0 || (listsHere && endsWith(path, ".plist"))))
            readWhole(path, totals);
    }
    closedir(dir);
    for (const std::string &child : folders)
        walk(child, scannedFolders, totals);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s ROOT HOME RUNS LABEL\n", argv[0]);
        return 2;
    }
    const std::string root = argv[1];
    const std::string home = argv[2];
    const int runs = std::max(1, std::atoi(argv[3]));
    std::vector<std::string> scannedFolders;
    for (const char *folder : {"Application Support", "Application Scripts", "LaunchAgents", "Preferences", "Caches",
                               "Containers", "Saved Application State", "Logs"})
        scannedFolders.push_back(home + "/Library/" + folder);
    scannedFolders.push_back(root + "/Library/LaunchAgents");
    scannedFolders.push_back(root + "/Library/LaunchDaemons");
    // The home is walked on its own only when it is not below the root.
    const bool homeInRoot = home.compare(0, root.size() + 1, root + "/") == 0;

    std::vector<double> seconds;
    Totals totals;
    for (int run = 0; run < runs; ++run) {
        totals = Totals();
        const auto start = std::chrono::steady_clock::now();
        walk(root, scannedFolders, totals);
        if (!homeInRoot)
            walk(home, scannedFolders, totals);
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(seconds.begin(), seconds.end());
    std::fprintf(stderr, "floor %s: %ld entries, %ld property lists, %ld bytes read\n", argv[4], totals.entries,
                 totals.lists, totals.bytes);
    std::printf("floor, %s (s)\t%.3f\t-\t-\n", argv[4], seconds[seconds.size() / 2]);
    return 0;
}
