// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/RestoreOutcome.h"
#include "platform/TrashEntry.h"
#include "platform/TrashFolders.h"
#include "platform/TrashOutcome.h"

#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <vector>

// The freedesktop.org Trash of a user: trashed items sit in files/, and for each of them info/ holds
// NAME.trashinfo with the original path and the deletion date, so that the desktop's file manager lists them
// and can put them back. An item on another file system goes to the running user's Trash folder at the top of that
// file system instead, unless the Trash belongs to another user. Items are only ever renamed: never copied, never put
// in the place of something else. The Trash's folders are opened as TrashFolders does, and an item's own folder without
// following any symbolic link, so that nothing that changes names meanwhile can make a move act on another folder.
class TrustedFolder;

class FreedesktopTrash {
public:
    // A free name in the Trash, held by its info file until the item has been moved to `filesPath`.
    struct Reservation {
        std::filesystem::path filesPath;
        std::filesystem::path infoPath;
    };

    // `folder` holds files/ and info/; the folder that holds it must be there.
    explicit FreedesktopTrash(std::filesystem::path folder);
    // A Trash folder at `relative` below `base`, whose missing folders below `base` are made when the first item is
    // put there.
    FreedesktopTrash(std::filesystem::path base, std::filesystem::path relative);

    // The home Trash of the user whose home folder is `home`: $XDG_DATA_HOME/Trash when `home` is $HOME and
    // XDG_DATA_HOME is an absolute path, otherwise home/.local/share/Trash.
    static FreedesktopTrash ofHome(const std::filesystem::path &home);

    const std::filesystem::path &folder() const { return m_folder; }
    const std::filesystem::path &base() const { return m_base; }
    const std::filesystem::path &relative() const { return m_relative; }

    // Reserves a free name in this Trash for the item and records its absolute path and the deletion date.
    // Absent when no name could be reserved.
    std::optional<Reservation> reserve(const std::filesystem::path &item) const;
    // Gives a reserved name back. A reservation whose item arrived in files/ after all is kept, so that the
    // item can still be put back.
    void release(const Reservation &reservation) const;

    // Moves the item (a symbolic link itself, never its target) to the Trash under a free name, and checks on
    // disk that the very item it looked at left its place and arrived. The item is the entry of `item`'s name in
    // `folder`, held open by the caller; `item` is the path the restore information records.
    TrashOutcome moveToTrash(const std::filesystem::path &item, const TrustedFolder &folder) const;
    // The same for an item whose path, as given, leads through no symbolic link.
    TrashOutcome moveToTrash(const std::filesystem::path &item) const;
    // Moves the entry `name` of `folder` to the name `reserved` in files/, which reserve() held for this very item for
    // the user `owner`: the Trash must be that user's, and the reservation a plain file of theirs whose restore
    // information names the item's place. For the administrator's helper, which trusts no more than that.
    TrashOutcome moveToReservation(const TrustedFolder &folder, const std::string &name, const std::string &reserved,
                                   uid_t owner) const;

    // The Trash folder whose files/ folder holds `trashedItem`; absent for a path that is not in one.
    static std::optional<FreedesktopTrash> holding(const std::filesystem::path &trashedItem);
    // Puts an item of this Trash's files/ folder back at `original`, the place its restore information names,
    // unless something has taken that place; nothing is created or replaced there. `folder` is the place's folder,
    // held open by the caller. The restore information is removed once the item is back.
    RestoreOutcome restore(const std::filesystem::path &trashedItem, const std::filesystem::path &original,
                           const TrustedFolder &folder) const;
    // The items of the home Trash, and of the Trash folders at the top of the file system that holds `original`,
    // that were trashed from `original`: the latest deletion date first, then the latest written restore
    // information. Nothing is created.
    static std::vector<TrashEntry> entriesFrom(const FreedesktopTrash &homeTrash,
                                               const std::filesystem::path &original);

    // The longest name given to an item in files/, so that its info file's name stays within 255 bytes.
    static constexpr std::size_t MaximumNameBytes = 255 - 10;

private:
    FreedesktopTrash(std::filesystem::path base, std::filesystem::path relative, std::filesystem::path topDirectory,
                     bool shared);

    TrashFolders folders(TrashFolders::Missing missing) const;
    // The Trash at the top of the file system that holds `folder`, a folder without symbolic links on its path.
    static std::optional<FreedesktopTrash> topDirectoryTrash(const std::filesystem::path &folder, QString &problem);
    // The mount point of the file system that holds `folder`, which must be a path without symbolic links.
    static std::optional<std::filesystem::path> mountPointOf(const std::filesystem::path &folder);
    // The Trash folders already there at the top of the file system that holds `path` or its nearest folder.
    static std::vector<FreedesktopTrash> topDirectoryTrashesFor(const std::filesystem::path &path);

    std::string recordedPath(const std::filesystem::path &item, const std::filesystem::path &folder) const;
    std::optional<Reservation> reserveName(const TrashFolders &trash, const std::string &name, bool isDirectory,
                                           const std::string &contents, int &error) const;
    TrashOutcome moveInto(const TrashFolders &trash, const TrustedFolder &from, const std::filesystem::path &item,
                          const struct stat &checked, int &error) const;
    // The folder that relative original paths start from.
    std::filesystem::path relativeBase() const;

    std::filesystem::path m_base;
    std::filesystem::path m_relative;
    std::filesystem::path m_folder;
    // The mount point below which a top-directory Trash records original paths relative to it; empty for a home
    // Trash, which records absolute paths.
    std::filesystem::path m_topDirectory;
    // A user's folder in the Trash folder that the users of a file system share.
    bool m_shared = false;
};
