// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ExclusiveRename.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int ExclusiveRename::rename(int fromFolder, const char *from, int toFolder, const char *to, bool isDirectory)
{
    if (const std::optional<int> result = refusingRename(fromFolder, from, toFolder, to))
        return *result;
    if (!isDirectory) {
        // A new link fails when the name is taken; only then does the old name go.
        if (linkat(fromFolder, from, toFolder, to, 0) == 0) {
            if (unlinkat(fromFolder, from, 0) == 0)
                return 0;
            const int error = errno;
            unlinkat(toFolder, to, 0);
            return error;
        }
        if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP && errno != ENOSYS)
            return errno;
    }
    struct stat existing {};
    if (fstatat(toFolder, to, &existing, AT_SYMLINK_NOFOLLOW) == 0)
        return EEXIST;
    if (errno != ENOENT)
        return errno;
    return renameat(fromFolder, from, toFolder, to) == 0 ? 0 : errno;
}
