// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <spawn.h>
#include <string>
#include <sys/types.h>
#include <vector>

// Starting a program: the first argument names it (looked up on PATH), in this process's environment.
class ProgramSpawn {
public:
    // posix_spawnp's result, 0 or the error; `child` is the new process. The file actions are destroyed.
    static int start(const std::vector<std::string> &arguments, posix_spawn_file_actions_t &actions, pid_t &child);
};
