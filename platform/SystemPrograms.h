// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The system's own programs behind the automation check and the privileged commands: osascript on the Mac,
// pkexec elsewhere.
class SystemPrograms {
public:
    static bool isMacOS();
    // The command line that asks whether this program may drive others; empty where the system has no such control.
    static std::vector<std::string> automationProbe();
    // The command line that runs the program and arguments `arguments` with administrator rights, after asking the
    // user; the arguments' bytes reach the program unchanged.
    static std::vector<std::string> administratorCommand(const std::vector<std::string> &arguments);
    // The helper program for privileged moves, which lies beside the running program.
    static std::filesystem::path administratorHelper();
};
