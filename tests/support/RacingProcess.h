// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <sys/types.h>

// Runs `step` over and over in a child process that has become `user`, as another user racing the program would,
// until it is destroyed. `step` must do no more than system calls: the child is a copy of a process with threads.
class RacingProcess {
public:
    RacingProcess(uid_t user, const std::function<void()> &step);
    ~RacingProcess();
    RacingProcess(const RacingProcess &) = delete;
    RacingProcess &operator=(const RacingProcess &) = delete;

    // Whether the child became the user and runs.
    bool isRunning() const { return m_running; }

private:
    pid_t m_child = -1;
    bool m_running = false;
};
