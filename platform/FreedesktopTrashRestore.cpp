// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Putting items back from the freedesktop Trash, and finding them by where they came from.
#include "platform/FreedesktopTrash.h"

#include "platform/FileStatus.h"

#include "platform/ExclusiveRename.h"
#include "platform/PathNames.h"
#include "platform/TrashInfo.h"
#include "platform/TrustedFolder.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view InfoSuffix = ".trashinfo";

bool sameFolder(const fs::path &left, const fs::path &right)
{
    struct stat a {};
    struct stat b {};
    return stat(left.c_str(), &a) == 0 && stat(right.c_str(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The same place: the same path, or the same name in the same folder reached another way.
bool samePlace(const fs::path &left, const fs::path &right)
{
    return left == right ||
           (left.filename() == right.filename() && sameFolder(left.parent_path(), right.parent_path()));
}

// A real folder, not a symbolic link to one.
bool isRealFolder(const fs::path &path, struct stat &info)
{
    return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

RestoreOutcome failure(const fs::path &original, const QString &reason, bool stillInTrash = true)
{
    return RestoreOutcome::cannotPutBack(original, reason, stillInTrash);
}

// The path as given and, where its folder exists, with that folder's links resolved: a Trash at the top of a
// file system records paths below the resolved mount point.
std::vector<fs::path> spellingsOf(const fs::path &original)
{
    std::vector<fs::path> spellings{original};
    if (char *resolved = realpath(original.parent_path().c_str(), nullptr)) {
        const fs::path other = fs::path(resolved) / original.filename();
        std::free(resolved);
        if (other != original)
            spellings.push_back(other);
    }
    return spellings;
}

} // namespace

std::optional<FreedesktopTrash> FreedesktopTrash::holding(const fs::path &trashedItem)
{
    const fs::path files = trashedItem.parent_path();
    const fs::path name = trashedItem.filename();
    if (files.filename() != "files" || name.empty() || name == "." || name == "..")
        return std::nullopt;
    const fs::path folder = files.parent_path();
    const fs::path above = folder.parent_path();
    if (folder.filename().native().starts_with(".Trash-"))
        return FreedesktopTrash(above, folder.filename(), above, false);
    if (above.filename() == ".Trash")
        return FreedesktopTrash(above, folder.filename(), above.parent_path(), true);
    return FreedesktopTrash(folder);
}

fs::path FreedesktopTrash::relativeBase() const
{
    return m_topDirectory.empty() ? m_folder.parent_path() : m_topDirectory;
}

RestoreOutcome FreedesktopTrash::restore(const fs::path &trashedItem, const fs::path &original,
                                         const TrustedFolder &place) const
{
    const std::string name = trashedItem.filename().native();
    if (trashedItem.parent_path() != m_folder / "files")
        return failure(original, QStringLiteral("it is no longer in the Trash"), false);
    const TrashFolders trash = folders(TrashFolders::Missing::fail);
    struct stat item {};
    if (!trash.isOpen() && trash.error() != ENOENT)
        return failure(original, QStringLiteral("its Trash folder cannot be used: %1").arg(trash.problem()));
    if (!trash.isOpen() || fstatat(trash.files(), name.c_str(), &item, AT_SYMLINK_NOFOLLOW) != 0)
        return failure(original, QStringLiteral("it is no longer in the Trash"), false);
    const std::string infoName = name + std::string(InfoSuffix);
    const auto info = TrashInfo::read(trash.info(), infoName);
    if (!info)
        return failure(original, QStringLiteral("its restore information in the Trash cannot be read"));
    const auto recorded = info->originalPath(relativeBase());
    if (!recorded || !samePlace(*recorded, original))
        return failure(original, QStringLiteral("its restore information in the Trash names another place"));

    if (!place.isOpen())
        return failure(original, place.problem());
    const std::string placeName = recorded->filename().native();
    const int error = ExclusiveRename::rename(trash.files(), name.c_str(), place.descriptor(), placeName.c_str(),
                                              S_ISDIR(item.st_mode));
    if (error == EEXIST || error == ENOTEMPTY)
        return failure(original, QStringLiteral("something else is now in its place"));
    if (error == EXDEV)
        return failure(original, QStringLiteral("its place is on another file system than the Trash"));
    if (error != 0)
        return failure(original, qt_error_string(error));

    struct stat arrived {};
    struct stat left {};
    const bool stillInTrash = fstatat(trash.files(), name.c_str(), &left, AT_SYMLINK_NOFOLLOW) == 0;
    if (stillInTrash || fstatat(place.descriptor(), placeName.c_str(), &arrived, AT_SYMLINK_NOFOLLOW) != 0 ||
        arrived.st_dev != item.st_dev || arrived.st_ino != item.st_ino)
        return failure(original, QStringLiteral("it did not arrive at its place"), stillInTrash);
    // Only now that the item is back: without its information the Trash could no longer put it back.
    unlinkat(trash.info(), infoName.c_str(), 0);
    RestoreOutcome outcome;
    outcome.success = true;
    outcome.restoredPath = *recorded;
    return outcome;
}

std::vector<FreedesktopTrash> FreedesktopTrash::topDirectoryTrashesFor(const fs::path &path)
{
    fs::path existing = path.parent_path();
    struct stat info {};
    while (existing.has_relative_path() && stat(existing.c_str(), &info) != 0)
        existing = existing.parent_path();
    char *resolved = realpath(existing.c_str(), nullptr);
    if (!resolved)
        return {};
    const fs::path folder(resolved);
    std::free(resolved);
    const auto top = mountPointOf(folder);
    if (!top)
        return {};
    std::vector<FreedesktopTrash> trashes;
    const std::string user = std::to_string(geteuid());
    if (isRealFolder(*top / ".Trash", info) && (info.st_mode & S_ISVTX) && isRealFolder(*top / ".Trash" / user, info))
        trashes.push_back(FreedesktopTrash(*top / ".Trash", user, *top, true));
    if (isRealFolder(*top / (".Trash-" + user), info) && info.st_uid == geteuid())
        trashes.push_back(FreedesktopTrash(*top, ".Trash-" + user, *top, false));
    return trashes;
}

std::vector<TrashEntry> FreedesktopTrash::entriesFrom(const FreedesktopTrash &homeTrash, const fs::path &original)
{
    struct Found {
        TrashEntry entry;
        struct timespec written;
    };
    std::vector<FreedesktopTrash> trashes{homeTrash};
    for (FreedesktopTrash &top : topDirectoryTrashesFor(original)) {
        if (!sameFolder(top.m_folder, homeTrash.m_folder))
            trashes.push_back(std::move(top));
    }
    const std::vector<fs::path> spellings = spellingsOf(original);
    std::vector<Found> found;
    for (const FreedesktopTrash &trash : trashes) {
        const TrashFolders folders = trash.folders(TrashFolders::Missing::fail);
        const int listed = folders.isOpen() ? openat(folders.info(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
        DIR *listing = listed < 0 ? nullptr : fdopendir(listed);
        if (!listing) {
            if (listed >= 0)
                close(listed);
            continue;
        }
        while (const dirent *child = readdir(listing)) {
            const std::string name = child->d_name;
            if (name.size() <= InfoSuffix.size() || !name.ends_with(InfoSuffix))
                continue;
            const std::string itemName = name.substr(0, name.size() - InfoSuffix.size());
            struct stat infoStat {};
            struct stat itemStat {};
            const auto info = TrashInfo::read(folders.info(), name);
            if (!info || fstatat(folders.info(), name.c_str(), &infoStat, AT_SYMLINK_NOFOLLOW) != 0 ||
                fstatat(folders.files(), itemName.c_str(), &itemStat, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            const auto recorded = info->originalPath(trash.relativeBase());
            if (!recorded || std::find(spellings.begin(), spellings.end(), *recorded) == spellings.end())
                continue;
            found.push_back({TrashEntry{trash.m_folder / "files" / itemName, *recorded, info->deletedAt()},
                             FileStatus::modificationTime(infoStat)});
        }
        closedir(listing);
    }
    std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        // Latest first; an entry without a readable date counts as the oldest.
        const qint64 aDate = a.entry.deletionDate ? a.entry.deletionDate->toSecsSinceEpoch() : LLONG_MIN;
        const qint64 bDate = b.entry.deletionDate ? b.entry.deletionDate->toSecsSinceEpoch() : LLONG_MIN;
        return std::tuple(aDate, a.written.tv_sec, a.written.tv_nsec, b.entry.trashedPath.native()) >
               std::tuple(bDate, b.written.tv_sec, b.written.tv_nsec, a.entry.trashedPath.native());
    });
    std::vector<TrashEntry> entries;
    entries.reserve(found.size());
    for (Found &each : found)
        entries.push_back(std::move(each.entry));
    return entries;
}
