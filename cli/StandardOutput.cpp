// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/StandardOutput.h"

#include "cli/ScanCommand.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

int StandardOutput::finish(int status)
{
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return status;
    const int error = errno;
    std::fprintf(stderr, "leftscan-cli: the output could not be written%s%s\n", error ? ": " : "",
                 error ? std::strerror(error) : "");
    std::clearerr(stdout);
    return ScanCommand::OutputFailed;
}
