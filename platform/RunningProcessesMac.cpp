// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/RunningProcesses.h"

#include <libproc.h>

namespace fs = std::filesystem;

std::vector<fs::path> RunningProcesses::executablePaths()
{
    std::vector<fs::path> paths;
    std::vector<pid_t> pids(8192);
    const int count = proc_listallpids(pids.data(), int(pids.size() * sizeof(pid_t)));
    for (int i = 0; i < count; ++i) {
        char buffer[PROC_PIDPATHINFO_MAXSIZE];
        if (proc_pidpath(pids[std::size_t(i)], buffer, sizeof buffer) > 0)
            paths.emplace_back(buffer);
    }
    return paths;
}
