#include "platform/ExclusiveRename.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int ExclusiveRename::rename(int fromFolder, const char *from, int toFolder, const char *to, bool isDirectory)
{
#if defined(__APPLE__)
    if (renameatx_np(fromFolder, from, toFolder, to, RENAME_EXCL) == 0)
        return 0;
    if (errno != ENOTSUP && errno != ENOSYS && errno != EINVAL)
        return errno;
#elif defined(RENAME_NOREPLACE)
    if (renameat2(fromFolder, from, toFolder, to, RENAME_NOREPLACE) == 0)
        return 0;
    // EINVAL: a file system that cannot refuse to replace.
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
#endif
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
