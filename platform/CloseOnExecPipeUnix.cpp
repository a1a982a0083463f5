// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/CloseOnExecPipe.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

int CloseOnExecPipe::open(int ends[2], int statusFlags)
{
    if (pipe2(ends, O_CLOEXEC | statusFlags) == 0)
        return 0;
    ends[0] = ends[1] = -1;
    return errno;
}
