// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RacingProcess.h"

#include <csignal>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

RacingProcess::RacingProcess(uid_t user, const std::function<void()> &step)
{
    int ready[2];
    if (pipe(ready) != 0)
        return;
    m_child = fork();
    if (m_child == 0) {
        close(ready[0]);
        if (setgroups(0, nullptr) != 0 || setgid(user) != 0 || setuid(user) != 0)
            _exit(1);
        const char started = 1;
        if (write(ready[1], &started, 1) != 1)
            _exit(1);
        close(ready[1]);
        for (;;)
            step();
    }
    close(ready[1]);
    char started = 0;
    m_running = m_child > 0 && read(ready[0], &started, 1) == 1;
    close(ready[0]);
}

RacingProcess::~RacingProcess()
{
    if (m_child <= 0)
        return;
    kill(m_child, SIGKILL);
    int status = 0;
    waitpid(m_child, &status, 0);
}
