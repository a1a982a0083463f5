// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/UntouchedOpen.h"

#include <cerrno>
#include <fcntl.h>

UntouchedOpen::Result UntouchedOpen::openAt(int folder, const char *name, int flags)
{
#ifdef O_NOATIME
    const int fd = openat(folder, name, flags | O_NOATIME);
    if (fd >= 0 || errno != EPERM)
        return {fd, false};
#endif
    return {openat(folder, name, flags), true};
}
