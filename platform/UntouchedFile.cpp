#include "platform/UntouchedFile.h"

#include "platform/FileStatus.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<QByteArray> UntouchedFile::read(const std::filesystem::path &path, qint64 maximumSize)
{
    constexpr int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    bool restoreAccessTime = false;
#ifdef O_NOATIME
    int fd = ::open(path.c_str(), flags | O_NOATIME);
    if (fd < 0 && errno == EPERM) {
        restoreAccessTime = true;
        fd = ::open(path.c_str(), flags);
    }
#else
    restoreAccessTime = true;
    int fd = ::open(path.c_str(), flags);
#endif
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > maximumSize) {
        ::close(fd);
        return std::nullopt;
    }
    // The descriptor was opened non-blocking only so that a special file could not stall the open.
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
