// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/AdministratorMove.h"
#include "platform/Bundle.h"
#include "platform/DirectoryEntry.h"
#include "platform/FileAttributes.h"
#include "platform/FileIdentity.h"
#include "platform/ListedName.h"
#include "platform/PropertyList.h"
#include "platform/RestoreOutcome.h"
#include "platform/RunningApplication.h"
#include "platform/ScriptOutcome.h"
#include "platform/SizeMeasurement.h"
#include "platform/TrashEntry.h"
#include "platform/TrashOutcome.h"
#include "platform/TrashSlot.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The operating-system services the engine uses. Every other part of the engine reaches the file system,
// bundles, property lists and the running applications through this interface only. Failures never
// escape: they read as nothing found, false or absent.
class TrustedFolder;

class Platform {
public:
    enum class Hidden { Skip, Include };
    // What is at a path, the entry itself: a symbolic link is not followed. `unreachable` when a folder on the way
    // cannot be searched.
    enum class EntryKind { missing, folder, symbolicLink, other, unreachable };

    virtual ~Platform() = default;

    // A system-wide path of the Mac layout ("/Applications", "/usr/local/bin") as a path on this machine,
    // below the folder that stands for the root of the scanned system.
    virtual std::filesystem::path systemPath(std::string_view macPath) const = 0;
    virtual std::filesystem::path homeDirectory() const = 0;

    // The direct children of a folder, sorted by the bytes of their names; absent when the folder cannot be listed.
    virtual std::optional<std::vector<DirectoryEntry>> listDirectory(const std::filesystem::path &folder,
                                                                     Hidden hidden) const = 0;
    // The same children by their names, which take far less memory than their paths in a folder of many entries.
    virtual std::optional<std::vector<ListedName>> listNames(const std::filesystem::path &folder,
                                                             Hidden hidden) const = 0;
    // Every item below a folder, depth first, hidden items left out. Never enters a bundle or other package,
    // never follows a symbolic link to a folder; folders that cannot be listed are passed over.
    virtual void walkTree(const std::filesystem::path &folder,
                          const std::function<void(const DirectoryEntry &)> &visit) const = 0;

    virtual bool exists(const std::filesystem::path &path) const = 0;
    // Attributes of the entry itself; a symbolic link is not followed.
    virtual FileAttributes attributes(const std::filesystem::path &path) const = 0;
    // What an entry and everything inside it take on disk, and the census of the user's files in it (see
    // FolderSizeMeter), without changing any access date. `disposable` for an entry whose content programs make
    // again at will (a cache, a log). Absent once `cancelled` is set.
    virtual std::optional<SizeMeasurement> measureSize(const std::filesystem::path &entry, bool disposable,
                                                       const std::atomic<bool> *cancelled) const = 0;
    virtual bool isReadable(const std::filesystem::path &path) const = 0;
    virtual EntryKind entryKind(const std::filesystem::path &path) const = 0;
    // The absolute path with every symbolic link, "." and ".." resolved, as the system reaches it now; absent when
    // some part of it cannot be found or reached.
    virtual std::optional<std::filesystem::path> resolvedPath(const std::filesystem::path &path) const = 0;
    // A folder held open as TrustedFolder walks to it: a symbolic link on the way only where nobody but root can
    // rename it. Never null; not open when the folder cannot be reached that way.
    virtual std::shared_ptr<const TrustedFolder> holdFolder(const std::filesystem::path &folder) const = 0;
    // Which item the entry itself is (a symbolic link is not followed); absent when it cannot be read.
    virtual std::optional<FileIdentity> identity(const std::filesystem::path &path) const = 0;
    // What a symbolic link holds, as it holds it; absent when the entry is no symbolic link.
    virtual std::optional<std::filesystem::path> linkTarget(const std::filesystem::path &link) const = 0;

    // A bundle folder with its identifier and info dictionary from Contents/Info.plist; absent when the path
    // is not a folder.
    virtual std::optional<Bundle> openBundle(const std::filesystem::path &path) const = 0;
    // A property-list file, read without changing its access date where the system allows it.
    virtual std::optional<PropertyList> readPropertyList(const std::filesystem::path &path) const = 0;

    virtual std::vector<RunningApplication> runningApplications() const = 0;
    // Runs a program found on the PATH with arguments of exact bytes, without input, and gives what it wrote on its
    // standard output; absent when it cannot be started, fails or writes more than `maximumSize` bytes.
    virtual std::optional<QByteArray> programOutput(const std::vector<std::string> &arguments,
                                                    qint64 maximumSize) const = 0;

    // Moves an item (a symbolic link itself, never its target) to the user's Trash, where the desktop can put
    // it back; never replaces anything already there. The item is the entry of `item`'s name in `folder`, the folder
    // that was checked, held open since, so that nothing that changes names on the way meanwhile can turn the move to
    // another folder. The outcome is checked on disk.
    virtual TrashOutcome moveToTrash(const std::filesystem::path &item, const TrustedFolder &folder) const = 0;
    // A free name in the user's Trash for an item that a privileged command will move there.
    virtual std::optional<TrashSlot> reserveTrashSlot(const std::filesystem::path &item) const = 0;
    virtual void releaseTrashSlot(const TrashSlot &slot) const = 0;
    // Moves the items to their reserved names in the user's Trash with administrator rights, in one run after the
    // system has asked for them; each is taken from its folder as moveToTrash does.
    virtual ScriptOutcome moveToTrashAsAdministrator(const std::vector<AdministratorMove> &moves) const = 0;
    // The items in the user's Trash that were moved there from `original`, the latest first.
    virtual std::vector<TrashEntry> trashEntriesFrom(const std::filesystem::path &original) const = 0;
    // Puts an item of the Trash back at `original`, where the Trash's own restore information says it came from,
    // when nothing has taken its place; never replaces anything. `folder` is the place's folder, checked and held
    // as for moveToTrash. An item that cannot go back stays in the Trash.
    virtual RestoreOutcome restoreFromTrash(const std::filesystem::path &trashedItem,
                                            const std::filesystem::path &original,
                                            const TrustedFolder &folder) const = 0;
    // Replaces the item's tags with the given names; why not, in words for a sentence that names the item, on
    // failure.
    virtual std::optional<QString> setTags(const std::filesystem::path &item, const QStringList &names) const = 0;
    // Makes the system ask, once, whether Leftscan may control the applications it needs for privileged moves.
    virtual ScriptOutcome runAutomationProbe() const = 0;
    virtual bool isMacOS() const = 0;
    // The Mac's privacy database, which only a program with Full Disk Access can read; absent where no privacy control
    // guards what is scanned, as for a system read from elsewhere (a volume, a backup, a tree of tests).
    virtual std::optional<std::filesystem::path> privacyDatabase() const = 0;
    virtual std::optional<QDateTime> lastUsedDate(const std::filesystem::path &path) const = 0;
    virtual std::optional<std::filesystem::path> applicationForBundleIdentifier(const QString &identifier) const = 0;
};
