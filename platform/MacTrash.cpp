// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/MacTrash.h"

#include "platform/ExclusiveRename.h"
#include "platform/PathNames.h"
#include "platform/SystemTrash.h"
#include "platform/TrustedFolder.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

MacTrash::MacTrash(const SystemTrash &system)
    : m_system(system)
{}

TrashOutcome MacTrash::moveToTrash(const fs::path &item, const TrustedFolder &folder) const
{
    const std::string name = item.filename().native();
    if (!PathNames::isEntryName(name))
        return TrashOutcome::cannotMove(item, QStringLiteral("it is not an item that can be moved"));
    struct stat before {};
    if (!folder.isOpen() || fstatat(folder.descriptor(), name.c_str(), &before, AT_SYMLINK_NOFOLLOW) != 0) {
        const int error = folder.isOpen() ? errno : folder.error();
        return TrashOutcome::cannotMove(
            item, error == ENOENT ? QStringLiteral("it no longer exists") : qt_error_string(error), error);
    }
    // The system's call would fail the same way; the administrator's move may help with what it refuses.
    if (faccessat(folder.descriptor(), ".", W_OK, AT_EACCESS) != 0 &&
        (errno == EACCES || errno == EPERM || errno == EROFS))
        return TrashOutcome::cannotMove(item, qt_error_string(errno), errno);
    // The call takes a path: the one the held folder was reached by must still lead to it, through no link at all.
    const fs::path path = folder.path() / name;
    const TrustedFolder again(folder.path(), TrustedFolder::Links::refused);
    if (!again.isOpen() || again.identity() != folder.identity())
        return TrashOutcome::cannotMove(item, QStringLiteral("its folder was moved or replaced since it was checked"));

    const SystemTrash::Moved moved = m_system.moveToTrash(path);
    if (!moved.resultingPath)
        return TrashOutcome::cannotMove(item, moved.problem.isEmpty() ? QStringLiteral("the system did not move it")
                                                                      : moved.problem);
    struct stat arrived {};
    if (lstat(moved.resultingPath->c_str(), &arrived) != 0)
        return TrashOutcome::cannotMove(item, QStringLiteral("it did not arrive in the Trash"));
    if (arrived.st_dev != before.st_dev || arrived.st_ino != before.st_ino) {
        // Whatever took the item's place went to the Trash instead: it goes back the way it came.
        ExclusiveRename::rename(AT_FDCWD, moved.resultingPath->c_str(), AT_FDCWD, path.c_str(),
                                S_ISDIR(arrived.st_mode));
        return TrashOutcome::cannotMove(item, QStringLiteral("another item took its place while it was moved"));
    }
    TrashOutcome outcome;
    outcome.success = true;
    outcome.trashedPath = *moved.resultingPath;
    return outcome;
}

RestoreOutcome MacTrash::restore(const fs::path &trashedItem, const fs::path &original,
                                 const TrustedFolder &folder) const
{
    const std::string name = original.filename().native();
    const std::string trashedName = trashedItem.filename().native();
    if (!PathNames::isEntryName(name) || !PathNames::isEntryName(trashedName))
        return RestoreOutcome::cannotPutBack(original, QStringLiteral("it is not an item that can be put back"), false);
    const TrustedFolder trash(trashedItem.parent_path());
    struct stat item {};
    if (!trash.isOpen() || fstatat(trash.descriptor(), trashedName.c_str(), &item, AT_SYMLINK_NOFOLLOW) != 0)
        return RestoreOutcome::cannotPutBack(original, QStringLiteral("it is no longer in the Trash"), false);
    if (!folder.isOpen())
        return RestoreOutcome::cannotPutBack(original, folder.problem());
    const int error = ExclusiveRename::rename(trash.descriptor(), trashedName.c_str(), folder.descriptor(),
                                              name.c_str(), S_ISDIR(item.st_mode));
    if (error == EEXIST || error == ENOTEMPTY)
        return RestoreOutcome::cannotPutBack(original, QStringLiteral("something else is now in its place"));
    if (error == EXDEV)
        return RestoreOutcome::cannotPutBack(original,
                                             QStringLiteral("its place is on another file system than the Trash"));
    if (error != 0)
        return RestoreOutcome::cannotPutBack(original, qt_error_string(error));
    struct stat arrived {};
    if (fstatat(folder.descriptor(), name.c_str(), &arrived, AT_SYMLINK_NOFOLLOW) != 0 ||
        arrived.st_dev != item.st_dev || arrived.st_ino != item.st_ino)
        return RestoreOutcome::cannotPutBack(original, QStringLiteral("it did not arrive at its place"));
    RestoreOutcome outcome;
    outcome.success = true;
    outcome.restoredPath = original;
    return outcome;
}
