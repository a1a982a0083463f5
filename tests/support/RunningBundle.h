// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <sys/types.h>

// A copy of /bin/sleep placed at `executable` (typically inside a bundle's Contents/MacOS) and started there,
// so that the process list shows a running application of that bundle; killed on destruction.
class RunningBundle {
public:
    explicit RunningBundle(const std::filesystem::path &executable);
    ~RunningBundle();
    RunningBundle(const RunningBundle &) = delete;
    RunningBundle &operator=(const RunningBundle &) = delete;

    bool started() const { return m_pid > 0; }

private:
    pid_t m_pid = -1;
};
