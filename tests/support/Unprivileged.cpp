// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Unprivileged.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int SetUpFailed = 3;

} // namespace

std::optional<std::string> runInChild(const std::function<bool()> &prepare, const std::function<std::string()> &work,
                                      bool *prepared)
{
    if (prepared)
        *prepared = false;
    int channel[2];
    if (pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        close(channel[0]);
        if (!prepare())
            _exit(SetUpFailed);
        const std::string result = work();
        std::size_t written = 0;
        while (written < result.size()) {
            const ssize_t n = write(channel[1], result.data() + written, result.size() - written);
            if (n <= 0)
                _exit(4);
            written += std::size_t(n);
        }
        _exit(0);
    }
    close(channel[1]);
    std::string output;
    char buffer[4096];
    ssize_t n;
    while ((n = read(channel[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, std::size_t(n));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    const bool setUp = !(WIFEXITED(status) && WEXITSTATUS(status) == SetUpFailed);
    if (prepared)
        *prepared = setUp;
    if (!setUp || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return output;
}

std::optional<std::string> runUnprivileged(const std::function<std::string()> &work)
{
    return runInChild(
        [] {
            constexpr uid_t Nobody = UnprivilegedUser;
            // As root, setgid and setuid set the real, effective and saved identities alike.
            return geteuid() != 0 || (setgroups(0, nullptr) == 0 && setgid(Nobody) == 0 && setuid(Nobody) == 0);
        },
        work);
}
