// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/TrustedFolder.h"

#include "platform/PathNames.h"

#include <cerrno>
#include <deque>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// More links than this on one way count as a loop, as they do for the system.
constexpr int MaximumLinks = 40;

#ifdef O_PATH
constexpr int FolderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;
#else
constexpr int FolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
#endif

void prependNames(std::deque<std::string> &names, const fs::path &path)
{
    std::deque<std::string> added;
    for (const fs::path &part : path.relative_path())
        added.push_back(part.native());
    names.insert(names.begin(), added.begin(), added.end());
}

// Whether nobody but root may change the names in the folder.
bool isRootsOnly(int folder)
{
    struct stat info {};
    return fstat(folder, &info) == 0 && info.st_uid == 0 && !(info.st_mode & (S_IWGRP | S_IWOTH));
}

std::optional<std::string> linkTarget(int folder, const std::string &name)
{
    std::string target(256, '\0');
    for (;;) {
        const ssize_t length = readlinkat(folder, name.c_str(), target.data(), target.size());
        if (length < 0)
            return std::nullopt;
        if (std::size_t(length) < target.size()) {
            target.resize(std::size_t(length));
            return target;
        }
        target.resize(target.size() * 2);
    }
}

} // namespace

TrustedFolder::TrustedFolder(const fs::path &path, Links links)
{
    struct stat info {};
    if (walk(path, links) && fstat(m_descriptor, &info) == 0) {
        m_identity = {info.st_dev, info.st_ino};
        return;
    }
    if (m_problem.isEmpty()) {
        m_error = errno;
        m_problem =
            QStringLiteral("its folder %1 cannot be opened: %2").arg(PathNames::text(path), qt_error_string(m_error));
    }
    if (m_descriptor >= 0)
        close(m_descriptor);
    m_descriptor = -1;
    m_path.clear();
}

TrustedFolder::~TrustedFolder()
{
    if (m_descriptor >= 0)
        close(m_descriptor);
}

bool TrustedFolder::walk(const fs::path &path, Links followed)
{
    const QString shown = PathNames::text(path);
    const auto fail = [&](int error) {
        m_error = error;
        if (error == ENOENT)
            m_problem = QStringLiteral("its folder %1 no longer exists").arg(shown);
        else if (error == ENOTDIR)
            m_problem = QStringLiteral("%1 is no longer a folder").arg(shown);
        else
            m_problem = QStringLiteral("its folder %1 cannot be opened: %2").arg(shown, qt_error_string(error));
        return false;
    };
    if (!path.is_absolute())
        return fail(EINVAL);
    m_descriptor = open("/", FolderFlags);
    if (m_descriptor < 0)
        return fail(errno);
    m_path = "/";
    std::deque<std::string> names;
    prependNames(names, path);
    int links = 0;
    while (!names.empty()) {
        const std::string name = std::move(names.front());
        names.pop_front();
        if (name.empty() || name == ".")
            continue;
        struct stat info {};
        if (fstatat(m_descriptor, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
            return fail(errno);
        if (S_ISLNK(info.st_mode)) {
            if (followed == Links::refused) {
                m_error = ELOOP;
                m_problem = QStringLiteral("the way to its folder %1 leads through a symbolic link").arg(shown);
                return false;
            }
            if (!isRootsOnly(m_descriptor)) {
                m_error = ELOOP;
                m_problem =
                    QStringLiteral("the way to its folder %1 leads through a symbolic link that others can change")
                        .arg(shown);
                return false;
            }
            const auto target = linkTarget(m_descriptor, name);
            if (!target)
                return fail(errno);
            if (++links > MaximumLinks)
                return fail(ELOOP);
            prependNames(names, fs::path(*target));
            if (fs::path(*target).is_absolute()) {
                close(m_descriptor);
                m_descriptor = open("/", FolderFlags);
                if (m_descriptor < 0)
                    return fail(errno);
                m_path = "/";
            }
            continue;
        }
        if (!S_ISDIR(info.st_mode))
            return fail(ENOTDIR);
        // Refuses a link put in the folder's place since it was looked at.
        const int next = openat(m_descriptor, name.c_str(), FolderFlags | O_NOFOLLOW);
        if (next < 0)
            return fail(errno);
        close(m_descriptor);
        m_descriptor = next;
        m_path = name == ".." ? m_path.parent_path() : m_path / name;
    }
    return true;
}

std::optional<FileIdentity> TrustedFolder::identityOf(const std::string &name) const
{
    struct stat info {};
    if (m_descriptor < 0 || fstatat(m_descriptor, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino};
}
