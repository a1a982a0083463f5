// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FileStatus.h"

namespace {

QDateTime instant(const timespec &time)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(time.tv_sec) * 1000 + time.tv_nsec / 1000000, Qt::UTC);
}

} // namespace

std::optional<FileStatus::Dates> FileStatus::read(const std::filesystem::path &path)
{
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0)
        return std::nullopt;
    Dates dates;
    dates.modified = instant(info.st_mtimespec);
    dates.accessed = instant(info.st_atimespec);
    dates.created = instant(info.st_birthtimespec);
    dates.isFolder = S_ISDIR(info.st_mode);
    dates.size = info.st_size;
    dates.owner = info.st_uid;
    return dates;
}

std::optional<FileStatus::FileSystem> FileStatus::fileSystemOf(const std::filesystem::path &path)
{
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileSystem{info.st_dev, 0};
}

timespec FileStatus::accessTime(const struct stat &info)
{
    return info.st_atimespec;
}

timespec FileStatus::modificationTime(const struct stat &info)
{
    return info.st_mtimespec;
}
