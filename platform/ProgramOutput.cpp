// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ProgramOutput.h"

#include "platform/CloseOnExecPipe.h"
#include "platform/ProgramSpawn.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

std::optional<QByteArray> ProgramOutput::read(const std::vector<std::string> &arguments, qint64 maximumSize)
{
    if (arguments.empty())
        return std::nullopt;
    int output[2];
    if (CloseOnExecPipe::open(output) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = -1;
    const int started = ProgramSpawn::start(arguments, actions, child);
    close(output[1]);
    if (started != 0) {
        close(output[0]);
        return std::nullopt;
    }
    QByteArray bytes;
    bool tooLarge = false;
    char buffer[65536];
    ssize_t got;
    while ((got = ::read(output[0], buffer, sizeof buffer)) != 0) {
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            break;
        if (bytes.size() + got > maximumSize) {
            tooLarge = true;
            kill(child, SIGKILL);
            break;
        }
        bytes.append(buffer, got);
    }
    close(output[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (tooLarge || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return bytes;
}
