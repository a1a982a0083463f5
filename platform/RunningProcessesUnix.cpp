// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/RunningProcesses.h"

#include <climits>
#include <dirent.h>
#include <string>
#include <string_view>
#include <unistd.h>

namespace fs = std::filesystem;

std::vector<fs::path> RunningProcesses::executablePaths()
{
    std::vector<fs::path> paths;
    DIR *proc = opendir("/proc");
    if (!proc)
        return paths;
    while (const dirent *item = readdir(proc)) {
        const std::string_view name(item->d_name);
        if (name.empty() || name.find_first_not_of("0123456789") != std::string_view::npos)
            continue;
        const std::string link = "/proc/" + std::string(name) + "/exe";
        std::string target(PATH_MAX, '\0');
        const ssize_t length = readlink(link.c_str(), target.data(), target.size());
        if (length <= 0 || std::size_t(length) >= target.size())
            continue;
        target.resize(std::size_t(length));
        // An executable replaced or removed since the process started is not the file at that path any more.
        if (target.ends_with(" (deleted)"))
            continue;
        paths.emplace_back(std::move(target));
    }
    closedir(proc);
    return paths;
}
