// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/UntouchedFile.h"

#include "platform/FileStatus.h"
#include "platform/UntouchedOpen.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The regular file at `path`, after any symbolic links to it, as a path whose last name is no link, with what
// lstat tells of it; absent for anything else.
std::optional<std::filesystem::path> regularFile(const std::filesystem::path &path, struct stat &info)
{
    if (::lstat(path.c_str(), &info) != 0)
        return std::nullopt;
    std::filesystem::path file = path;
    if (S_ISLNK(info.st_mode)) {
        char *resolved = ::realpath(path.c_str(), nullptr);
        if (!resolved)
            return std::nullopt;
        file = resolved;
        std::free(resolved);
        if (::lstat(file.c_str(), &info) != 0)
            return std::nullopt;
    }
    if (!S_ISREG(info.st_mode))
        return std::nullopt;
    return file;
}

} // namespace

std::optional<QByteArray> UntouchedFile::read(const std::filesystem::path &path, qint64 maximumSize)
{
    struct stat looked {};
    const std::optional<std::filesystem::path> file = regularFile(path, looked);
    if (!file || looked.st_size > maximumSize)
        return std::nullopt;
    // O_NOFOLLOW and the comparison below refuse whatever took the file's place since it was looked at;
    // O_NONBLOCK keeps such a thing from stalling the open meanwhile.
    const auto [fd, restoreAccessTime] =
        UntouchedOpen::openAt(AT_FDCWD, file->c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_dev != looked.st_dev ||
        info.st_ino != looked.st_ino || info.st_size > maximumSize) {
        ::close(fd);
        return std::nullopt;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QByteArray bytes(qsizetype(info.st_size), Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + filled, std::size_t(bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        filled += got;
    }
    bytes.resize(filled);
    if (restoreAccessTime) {
        const timespec times[2] = {FileStatus::accessTime(info), {0, UTIME_OMIT}};
        ::futimens(fd, times);
    }
    ::close(fd);
    return bytes;
}
