// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FileStatus.h"

#include <fcntl.h>
#include <sys/sysmacros.h>

namespace {

QDateTime instant(qint64 seconds, qint64 nanoseconds)
{
    return QDateTime::fromMSecsSinceEpoch(seconds * 1000 + nanoseconds / 1000000, Qt::UTC);
}

} // namespace

std::optional<FileStatus::Dates> FileStatus::read(const std::filesystem::path &path)
{
    struct statx info {};
    if (statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS | STATX_BTIME, &info) != 0)
        return std::nullopt;
    Dates dates;
    if (info.stx_mask & STATX_MTIME)
        dates.modified = instant(info.stx_mtime.tv_sec, info.stx_mtime.tv_nsec);
    if (info.stx_mask & STATX_ATIME)
        dates.accessed = instant(info.stx_atime.tv_sec, info.stx_atime.tv_nsec);
    if (info.stx_mask & STATX_BTIME)
        dates.created = instant(info.stx_btime.tv_sec, info.stx_btime.tv_nsec);
    dates.isFolder = S_ISDIR(info.stx_mode);
    dates.size = qint64(info.stx_size);
    dates.owner = info.stx_uid;
    return dates;
}

std::optional<FileStatus::FileSystem> FileStatus::fileSystemOf(const std::filesystem::path &path)
{
#ifdef STATX_MNT_ID
    struct statx extended {};
    if (statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW, STATX_MNT_ID, &extended) == 0 &&
        (extended.stx_mask & STATX_MNT_ID))
        return FileSystem{makedev(extended.stx_dev_major, extended.stx_dev_minor), extended.stx_mnt_id};
#endif
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileSystem{info.st_dev, 0};
}

timespec FileStatus::accessTime(const struct stat &info)
{
    return info.st_atim;
}

timespec FileStatus::modificationTime(const struct stat &info)
{
    return info.st_mtim;
}
