// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/TrashFolders.h"

#include "platform/ExclusiveRename.h"
#include "platform/PathNames.h"
#include "platform/TrustedFolder.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int FolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
// Longer endings are not treated as extensions that a numbered name keeps at its end.
constexpr std::size_t MaximumExtensionBytes = 32;

// The longest prefix of `text` of at most `limit` bytes that does not end inside a UTF-8 character. Text that
// is not UTF-8 at that place is cut at the byte.
std::size_t characterBoundary(std::string_view text, std::size_t limit)
{
    if (limit >= text.size())
        return text.size();
    const auto isContinuation = [&](std::size_t at) {
        return (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
    };
    std::size_t cut = limit;
    for (int step = 0; step < 3 && cut > 0 && isContinuation(cut); ++step)
        --cut;
    return isContinuation(cut) ? limit : cut;
}

bool isEmptyFolder(int folder)
{
    const int listed = openat(folder, ".", FolderFlags);
    DIR *listing = listed < 0 ? nullptr : fdopendir(listed);
    if (!listing) {
        if (listed >= 0)
            close(listed);
        return false;
    }
    bool empty = true;
    while (const dirent *child = readdir(listing)) {
        const std::string_view name = child->d_name;
        empty = empty && (name == "." || name == "..");
    }
    closedir(listing);
    return empty;
}

} // namespace

TrashFolders::TrashFolders(const fs::path &base, const fs::path &relative, Missing missing, std::optional<uid_t> owner,
                           bool stickyBase, Layout layout)
    : m_flat(layout == Layout::flat)
{
    open(base, relative, missing, owner, stickyBase, layout);
}

void TrashFolders::open(const fs::path &base, const fs::path &relative, Missing missing, std::optional<uid_t> owner,
                        bool stickyBase, Layout layout)
{
    const TrustedFolder top(base);
    struct stat info {};
    if (!top.isOpen()) {
        return fail(base, top.error(),
                    top.error() == ELOOP
                        ? QStringLiteral("the way to it leads through a symbolic link that others can change")
                        : QString());
    }
    if (fstat(top.descriptor(), &info) != 0)
        return fail(base, errno);
    if (stickyBase && !(info.st_mode & S_ISVTX))
        return fail(base, EPERM, QStringLiteral("it is shared without the sticky bit"));
    m_owner = owner.value_or(geteuid() == 0 ? info.st_uid : geteuid());
    m_group = owner || geteuid() != 0 ? getegid() : info.st_gid;

    std::vector<std::string> names;
    for (const fs::path &part : relative) {
        if (part == "..")
            return fail(base / relative, EINVAL);
        if (!part.empty() && part != "/" && part != ".")
            names.push_back(part.native());
    }
    if (names.empty() || relative.is_absolute())
        return fail(base / relative, EINVAL);
    fs::path shown = base;
    int parent = top.descriptor();
    int held = -1;
    for (std::size_t i = 0; i < names.size(); ++i) {
        shown /= names[i];
        const int next = openFolder(parent, names[i], shown, i + 1 == names.size(), missing);
        if (held >= 0)
            close(held);
        held = next;
        parent = next;
        if (next < 0)
            return;
    }
    if (layout == Layout::flat) {
        m_files = held;
        return;
    }
    m_files = openFolder(held, "files", shown / "files", true, missing);
    m_info = m_files < 0 ? -1 : openFolder(held, "info", shown / "info", true, missing);
    close(held);
}

TrashFolders::~TrashFolders()
{
    for (const int descriptor : {m_files, m_info}) {
        if (descriptor >= 0)
            close(descriptor);
    }
}

TrashOutcome TrashFolders::moveIn(int from, const std::string &name, const struct stat &checked,
                                  const std::string &target, const fs::path &item) const
{
    const int error = ExclusiveRename::rename(from, name.c_str(), m_files, target.c_str(), S_ISDIR(checked.st_mode));
    if (error != 0)
        return TrashOutcome::cannotMove(item, qt_error_string(error), error);
    struct stat arrived {};
    if (fstatat(m_files, target.c_str(), &arrived, AT_SYMLINK_NOFOLLOW) != 0)
        return TrashOutcome::cannotMove(item, QStringLiteral("it did not arrive in the Trash"));
    if (arrived.st_dev != checked.st_dev || arrived.st_ino != checked.st_ino) {
        ExclusiveRename::rename(m_files, target.c_str(), from, name.c_str(), S_ISDIR(arrived.st_mode));
        return TrashOutcome::cannotMove(item, QStringLiteral("another item took its place while it was moved"));
    }
    struct stat left {};
    if (fstatat(from, name.c_str(), &left, AT_SYMLINK_NOFOLLOW) == 0 || errno != ENOENT)
        return TrashOutcome::cannotMove(item, QStringLiteral("something is still at its original place"));
    TrashOutcome outcome;
    outcome.success = true;
    return outcome;
}

std::string TrashFolders::candidateName(std::string_view name, int number, bool isDirectory, std::size_t maximumBytes)
{
    std::string_view stem = name;
    std::string_view extension;
    const auto dot = name.rfind('.');
    if (!isDirectory && dot != std::string_view::npos && dot > 0 && dot + 1 < name.size() &&
        name.size() - dot <= MaximumExtensionBytes) {
        stem = name.substr(0, dot);
        extension = name.substr(dot);
    }
    std::string suffix;
    if (number > 1)
        suffix.append(1, ' ').append(std::to_string(number));
    const std::size_t room = maximumBytes - suffix.size() - extension.size();
    stem = stem.substr(0, characterBoundary(stem, room));
    std::string candidate;
    candidate.reserve(stem.size() + suffix.size() + extension.size());
    candidate.append(stem).append(suffix).append(extension);
    return candidate;
}

void TrashFolders::fail(const fs::path &shown, int error, const QString &reason)
{
    m_error = error;
    m_problem =
        QStringLiteral("%1: %2").arg(PathNames::text(shown), reason.isEmpty() ? qt_error_string(error) : reason);
}

void TrashFolders::giveToOwner(int descriptor) const
{
    if (m_owner != geteuid())
        fchown(descriptor, m_owner, m_group);
}

int TrashFolders::openFolder(int parent, const std::string &name, const fs::path &shown, bool ownFolder,
                             Missing missing)
{
    int folder = openat(parent, name.c_str(), FolderFlags);
    bool made = false;
    if (folder < 0 && errno == ENOENT && missing == Missing::create) {
        made = mkdirat(parent, name.c_str(), 0700) == 0;
        if (!made && errno != EEXIST) {
            fail(shown, errno);
            return -1;
        }
        folder = openat(parent, name.c_str(), FolderFlags);
    }
    if (folder < 0) {
        const int error = errno;
        struct stat info {};
        if ((error == ELOOP || error == ENOTDIR) && fstatat(parent, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISLNK(info.st_mode))
            fail(shown, ELOOP, QStringLiteral("it is a symbolic link"));
        else
            fail(shown, error);
        return -1;
    }
    struct stat info {};
    if (fstat(folder, &info) != 0) {
        fail(shown, errno);
        close(folder);
        return -1;
    }
    // What was opened after the folder was made may be another folder put in its place; only an empty one of the
    // program's own is given away.
    if (made && info.st_uid == geteuid() && m_owner != geteuid() && isEmptyFolder(folder) &&
        fchown(folder, m_owner, m_group) == 0)
        info.st_uid = m_owner;
    if (info.st_uid != m_owner) {
        fail(shown, EPERM, QStringLiteral("it belongs to another user"));
        close(folder);
        return -1;
    }
    if (ownFolder && (info.st_mode & (S_IWGRP | S_IWOTH))) {
        fail(shown, EPERM, QStringLiteral("other users may change it"));
        close(folder);
        return -1;
    }
    return folder;
}
