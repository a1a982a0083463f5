// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RunningBundle.h"

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

RunningBundle::RunningBundle(const std::filesystem::path &executable)
{
    std::filesystem::create_directories(executable.parent_path());
    std::filesystem::copy_file("/bin/sleep", executable);
    char *arguments[] = {const_cast<char *>(executable.c_str()), const_cast<char *>("60"), nullptr};
    if (posix_spawn(&m_pid, executable.c_str(), nullptr, nullptr, arguments, environ) != 0)
        m_pid = -1;
}

RunningBundle::~RunningBundle()
{
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
}
