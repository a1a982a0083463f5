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

fs::path infoFileOf(const fs::path &trashFolder, const fs::path &trashedItem)
{
    return trashFolder / "info" / (trashedItem.filename().native() + std::string(InfoSuffix));
}

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
    RestoreOutcome outcome;
    outcome.errorDescription = QStringLiteral("Cannot put '%1' back: %2").arg(PathNames::fileName(original), reason);
    outcome.stillInTrash = stillInTrash;
    return outcome;
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
    if (folder.filename().native().starts_with(".Trash-"))
        return FreedesktopTrash(folder, folder.parent_path());
    if (folder.parent_path().filename() == ".Trash")
        return FreedesktopTrash(folder, folder.parent_path().parent_path());
    return FreedesktopTrash(folder);
}

fs::path FreedesktopTrash::relativeBase() const
{
    return m_topDirectory.empty() ? m_folder.parent_path() : m_topDirectory;
}

RestoreOutcome FreedesktopTrash::restore(const fs::path &trashedItem, const fs::path &original) const
{
    struct stat item {};
    if (trashedItem.parent_path() != m_folder / "files" || lstat(trashedItem.c_str(), &item) != 0)
        return failure(original, QStringLiteral("it is no longer in the Trash"), false);
    const fs::path infoFile = infoFileOf(m_folder, trashedItem);
    const auto info = TrashInfo::read(infoFile);
    if (!info)
        return failure(original, QStringLiteral("its restore information in the Trash cannot be read"));
    const auto recorded = info->originalPath(relativeBase());
    if (!recorded || !samePlace(*recorded, original))
        return failure(original, QStringLiteral("its restore information in the Trash names another place"));

    const TrustedFolder folder(recorded->parent_path());
    if (!folder.isOpen())
        return failure(original, folder.problem());
    const std::string name = recorded->filename().native();
    const int error = ExclusiveRename::rename(AT_FDCWD, trashedItem.c_str(), folder.descriptor(), name.c_str(),
                                              S_ISDIR(item.st_mode));
    if (error == EEXIST || error == ENOTEMPTY)
        return failure(original, QStringLiteral("something else is now in its place"));
    if (error == EXDEV)
        return failure(original, QStringLiteral("its place is on another file system than the Trash"));
    if (error != 0)
        return failure(original, qt_error_string(error));

    struct stat arrived {};
    struct stat left {};
    const bool stillInTrash = lstat(trashedItem.c_str(), &left) == 0;
    if (stillInTrash || fstatat(folder.descriptor(), name.c_str(), &arrived, AT_SYMLINK_NOFOLLOW) != 0 ||
        arrived.st_dev != item.st_dev || arrived.st_ino != item.st_ino)
        return failure(original, QStringLiteral("it did not arrive at its place"), stillInTrash);
    // Only now that the item is back: without its information the Trash could no longer put it back.
    unlink(infoFile.c_str());
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
        trashes.push_back(FreedesktopTrash(*top / ".Trash" / user, *top));
    if (isRealFolder(*top / (".Trash-" + user), info) && info.st_uid == geteuid())
        trashes.push_back(FreedesktopTrash(*top / (".Trash-" + user), *top));
    return trashes;
}

std::vector<TrashEntry> FreedesktopTrash::entriesFrom(const fs::path &homeTrash, const fs::path &original)
{
    struct Found {
        TrashEntry entry;
        struct timespec written;
    };
    std::vector<FreedesktopTrash> trashes{FreedesktopTrash(homeTrash)};
    for (FreedesktopTrash &top : topDirectoryTrashesFor(original)) {
        if (!sameFolder(top.m_folder, homeTrash))
            trashes.push_back(std::move(top));
    }
    const std::vector<fs::path> spellings = spellingsOf(original);
    std::vector<Found> found;
    for (const FreedesktopTrash &trash : trashes) {
        DIR *listing = opendir((trash.m_folder / "info").c_str());
        if (!listing)
            continue;
        while (const dirent *child = readdir(listing)) {
            const std::string name = child->d_name;
            if (name.size() <= InfoSuffix.size() || !name.ends_with(InfoSuffix))
                continue;
            const fs::path infoFile = trash.m_folder / "info" / name;
            const fs::path trashedPath = trash.m_folder / "files" / name.substr(0, name.size() - InfoSuffix.size());
            struct stat infoStat {};
            struct stat itemStat {};
            const auto info = TrashInfo::read(infoFile);
            if (!info || lstat(infoFile.c_str(), &infoStat) != 0 || lstat(trashedPath.c_str(), &itemStat) != 0)
                continue;
            const auto recorded = info->originalPath(trash.relativeBase());
            if (!recorded || std::find(spellings.begin(), spellings.end(), *recorded) == spellings.end())
                continue;
            found.push_back(
                {TrashEntry{trashedPath, *recorded, info->deletedAt()}, FileStatus::modificationTime(infoStat)});
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
