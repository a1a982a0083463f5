// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FinderTrash.h"

#include "platform/PathNames.h"
#include "platform/TrashFolders.h"
#include "platform/TrustedFolder.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// Candidate names tried for one item before the Trash counts as full.
constexpr int MaximumCandidates = 10000;
constexpr std::size_t MaximumNameBytes = 255;

} // namespace

FinderTrash::FinderTrash(fs::path home)
    : m_home(std::move(home))
{}

std::optional<fs::path> FinderTrash::freePlace(const fs::path &item) const
{
    const std::string name = item.filename().native();
    if (!PathNames::isEntryName(name))
        return std::nullopt;
    const TrashFolders trash(m_home, FolderName, TrashFolders::Missing::create, std::nullopt, false,
                             TrashFolders::Layout::flat);
    if (!trash.isOpen())
        return std::nullopt;
    struct stat info {};
    const bool isDirectory = lstat(item.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    for (int number = 1; number <= MaximumCandidates; ++number) {
        const std::string candidate = TrashFolders::candidateName(name, number, isDirectory, MaximumNameBytes);
        if (fstatat(trash.files(), candidate.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0)
            continue;
        if (errno != ENOENT)
            return std::nullopt;
        return folder() / candidate;
    }
    return std::nullopt;
}

TrashOutcome FinderTrash::moveToName(const TrustedFolder &from, const std::string &name, const std::string &trashName,
                                     uid_t owner) const
{
    const fs::path item = from.path() / name;
    if (!PathNames::isEntryName(name) || !PathNames::isEntryName(trashName))
        return TrashOutcome::cannotMove(item, QStringLiteral("it is not an item that can be moved"));
    struct stat checked {};
    if (!from.isOpen() || fstatat(from.descriptor(), name.c_str(), &checked, AT_SYMLINK_NOFOLLOW) != 0) {
        const int error = from.isOpen() ? errno : from.error();
        const QString reason = error == ENOENT ? QStringLiteral("it no longer exists")
                               : from.isOpen() ? qt_error_string(error)
                                               : from.problem();
        return TrashOutcome::cannotMove(item, reason, error);
    }
    const TrashFolders trash(m_home, FolderName, TrashFolders::Missing::create, owner, false,
                             TrashFolders::Layout::flat);
    if (!trash.isOpen()) {
        return TrashOutcome::cannotMove(item,
                                        QStringLiteral("the Trash folder cannot be used: %1").arg(trash.problem()));
    }
    TrashOutcome outcome = trash.moveIn(from.descriptor(), name, checked, trashName, item);
    if (outcome.success)
        outcome.trashedPath = folder() / trashName;
    return outcome;
}
