// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <optional>
#include <vector>

// The executables of the processes running on this machine, and the application bundle each belongs to.
class RunningProcesses {
public:
    static std::vector<std::filesystem::path> executablePaths();
    // The bundle of an executable inside "<name>.app/Contents/MacOS/" below `root`, expressed below `root`
    // as given; absent for any other executable.
    static std::optional<std::filesystem::path> bundleOfExecutable(const std::filesystem::path &executable,
                                                                   const std::filesystem::path &root);
};
