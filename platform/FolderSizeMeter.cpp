// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FolderSizeMeter.h"

#include "platform/ContentCensusTaker.h"
#include "platform/FileStatus.h"
#include "platform/UntouchedOpen.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

qint64 allocatedBytes(const struct stat &info)
{
    return qint64(info.st_blocks) * 512;
}

// One open folder of the walk. Opened without O_NOATIME (which only the owner may use), it remembers the access
// date it had, to put it back once read.
class OpenFolder {
public:
    OpenFolder(DIR *dir, std::optional<timespec> accessed)
        : m_dir(dir)
        , m_accessed(accessed)
    {}
    OpenFolder(OpenFolder &&other) noexcept
        : m_dir(std::exchange(other.m_dir, nullptr))
        , m_accessed(other.m_accessed)
        , m_incomplete(other.m_incomplete)
    {}
    OpenFolder(const OpenFolder &) = delete;
    OpenFolder &operator=(const OpenFolder &) = delete;
    OpenFolder &operator=(OpenFolder &&) = delete;
    ~OpenFolder()
    {
        if (!m_dir)
            return;
        struct stat info {};
        if (m_accessed && fstat(dirfd(m_dir), &info) == 0) {
            const timespec now = FileStatus::accessTime(info);
            if (now.tv_sec != m_accessed->tv_sec || now.tv_nsec != m_accessed->tv_nsec) {
                const timespec times[2] = {*m_accessed, {0, UTIME_OMIT}};
                futimens(dirfd(m_dir), times);
            }
        }
        closedir(m_dir);
    }

    DIR *dir() const { return m_dir; }
    int fd() const { return dirfd(m_dir); }
    // Some of its content could not be examined.
    bool incomplete() const { return m_incomplete; }
    void markIncomplete() { m_incomplete = true; }

private:
    DIR *m_dir;
    std::optional<timespec> m_accessed;
    bool m_incomplete = false;
};

// Opens a folder of the file system `device` for listing, never through a symbolic link; errno tells a failure.
std::optional<OpenFolder> openFolder(int parent, const char *name, dev_t device, struct stat &info)
{
    const auto [fd, restore] =
        UntouchedOpen::openAt(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    if (fstat(fd, &info) != 0 || info.st_dev != device) {
        const int error = info.st_dev != device ? EXDEV : errno;
        close(fd);
        errno = error;
        return std::nullopt;
    }
    DIR *dir = fdopendir(fd);
    if (!dir) {
        const int error = errno;
        close(fd);
        errno = error;
        return std::nullopt;
    }
    return OpenFolder(dir, restore ? std::optional<timespec>(FileStatus::accessTime(info)) : std::nullopt);
}

} // namespace

FolderSizeMeter::FolderSizeMeter(const std::atomic<bool> *cancelled, Census census)
    : m_cancelled(cancelled)
    , m_census(census)
{}

void FolderSizeMeter::enteringFolder(int, const char *) {}

std::optional<SizeMeasurement> FolderSizeMeter::measure(const std::filesystem::path &entry, bool disposable)
{
    const auto cancelled = [this] {
        return m_cancelled && m_cancelled->load(std::memory_order_relaxed);
    };
    if (cancelled())
        return std::nullopt;
    SizeMeasurement measurement;
    struct stat top {};
    if (fstatat(AT_FDCWD, entry.c_str(), &top, AT_SYMLINK_NOFOLLOW) != 0)
        return measurement;
    measurement.bytesOnDisk = allocatedBytes(top);
    std::optional<ContentCensusTaker> taker;
    if (m_census == Census::take)
        taker.emplace(disposable);
    ContentCensusTaker *const census = taker ? &*taker : nullptr;
    const std::string &entryPath = entry.native();
    const std::string_view entryName = std::string_view(entryPath).substr(entryPath.rfind('/') + 1);
    const auto finish = [&]() -> std::optional<SizeMeasurement> {
        if (census)
            measurement.census = census->take();
        return measurement;
    };
    if (!S_ISDIR(top.st_mode)) {
        measurement.fileCount = 1;
        if (top.st_nlink > 1)
            measurement.sharedFiles.push_back({quint64(top.st_dev), quint64(top.st_ino), measurement.bytesOnDisk});
        if (census)
            census->entryFile(AT_FDCWD, entry.c_str(), entryName, top);
        return finish();
    }
    if (census)
        census->entryFolder(entryName, top);

    const dev_t device = top.st_dev;
    struct stat info {};
    std::vector<OpenFolder> open;
    if (auto root = openFolder(AT_FDCWD, entry.c_str(), device, info)) {
        open.push_back(std::move(*root));
    } else {
        if (errno != ENOENT)
            measurement.unreadableFolders = 1;
        return finish();
    }
    // Files with more than one name, by inode, so that each is counted once; those with names outside the entry
    // too are shared.
    struct Linked {
        nlink_t names;
        nlink_t namesInside;
        qint64 bytesOnDisk;
    };
    std::unordered_map<ino_t, Linked> linked;
    // A folder removed or replaced while the walk goes on holds nothing any more: no gap in the figure.
    const auto gone = [](int error) {
        return error == ENOENT || error == ENOTDIR || error == ELOOP;
    };

    while (!open.empty()) {
        if (cancelled())
            return std::nullopt;
        OpenFolder &folder = open.back();
        errno = 0;
        const dirent *item = readdir(folder.dir());
        if (!item) {
            if ((errno != 0 && !gone(errno)) || folder.incomplete())
                ++measurement.unreadableFolders;
            open.pop_back();
            if (census)
                census->leaveFolder();
            continue;
        }
        const char *name = item->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        if (item->d_type != DT_DIR) {
            if (fstatat(folder.fd(), name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
                if (!gone(errno))
                    folder.markIncomplete();
                continue;
            }
            if (info.st_dev != device)
                continue;
            if (!S_ISDIR(info.st_mode)) {
                if (info.st_nlink > 1) {
                    const auto [file, first] =
                        linked.try_emplace(info.st_ino, Linked{info.st_nlink, 0, allocatedBytes(info)});
                    ++file->second.namesInside;
                    if (!first)
                        continue;
                }
                measurement.bytesOnDisk += allocatedBytes(info);
                ++measurement.fileCount;
                if (census)
                    census->item(folder.fd(), name, info);
                continue;
            }
        }
        if (open.size() > MaximumDepth) {
            ++measurement.unreadableFolders;
            continue;
        }
        enteringFolder(folder.fd(), name);
        if (auto child = openFolder(folder.fd(), name, device, info)) {
            const int parent = folder.fd();
            measurement.bytesOnDisk += allocatedBytes(info);
            open.push_back(std::move(*child));
            if (census)
                census->enterFolder(parent, name, info);
            continue;
        }
        const int error = errno;
        if (error == EXDEV || gone(error))
            continue;
        // What can still be learnt about a folder that cannot be opened is its own size.
        if (fstatat(folder.fd(), name, &info, AT_SYMLINK_NOFOLLOW) == 0 && info.st_dev == device) {
            measurement.bytesOnDisk += allocatedBytes(info);
            if (census)
                census->item(folder.fd(), name, info);
        }
        ++measurement.unreadableFolders;
    }
    for (const auto &[inode, file] : linked) {
        if (file.namesInside < file.names)
            measurement.sharedFiles.push_back({quint64(device), quint64(inode), file.bytesOnDisk});
    }
    return finish();
}
