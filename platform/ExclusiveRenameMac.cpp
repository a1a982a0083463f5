// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ExclusiveRename.h"

#include <cerrno>
#include <cstdio>

std::optional<int> ExclusiveRename::refusingRename(int fromFolder, const char *from, int toFolder, const char *to)
{
    if (renameatx_np(fromFolder, from, toFolder, to, RENAME_EXCL) == 0)
        return 0;
    if (errno != ENOTSUP && errno != ENOSYS && errno != EINVAL)
        return errno;
    return std::nullopt;
}
