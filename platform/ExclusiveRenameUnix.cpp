// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ExclusiveRename.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>

std::optional<int> ExclusiveRename::refusingRename(int fromFolder, const char *from, int toFolder, const char *to)
{
#ifdef RENAME_NOREPLACE
    if (renameat2(fromFolder, from, toFolder, to, RENAME_NOREPLACE) == 0)
        return 0;
    // EINVAL: a file system that cannot refuse to replace.
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
#endif
    return std::nullopt;
}
