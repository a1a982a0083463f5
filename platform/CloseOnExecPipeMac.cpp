// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/CloseOnExecPipe.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

// The Mac has no pipe2: the ends are marked one by one, which leaves a moment in which a child started by another
// thread inherits them.
int CloseOnExecPipe::open(int ends[2], int statusFlags)
{
    if (pipe(ends) != 0) {
        ends[0] = ends[1] = -1;
        return errno;
    }
    for (int index = 0; index < 2; ++index) {
        if (fcntl(ends[index], F_SETFD, FD_CLOEXEC) != 0 ||
            (statusFlags != 0 && fcntl(ends[index], F_SETFL, fcntl(ends[index], F_GETFL) | statusFlags) != 0)) {
            const int error = errno;
            close(ends[0]);
            close(ends[1]);
            ends[0] = ends[1] = -1;
            return error;
        }
    }
    return 0;
}
