// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FreedesktopTrash.h"

#include "platform/FileStatus.h"
#include "platform/PathNames.h"
#include "platform/TrashInfo.h"
#include "platform/TrustedFolder.h"
#include "platform/XdgBaseFolders.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view InfoSuffix = ".trashinfo";
static_assert(FreedesktopTrash::MaximumNameBytes + InfoSuffix.size() == 255);
// Candidate names tried for one item before the Trash counts as full.
constexpr int MaximumCandidates = 10000;
// Times a move is tried again when its reserved name was taken in files/ meanwhile.
constexpr int MaximumAttempts = 20;
std::string withoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

fs::path absoluteItem(const fs::path &item)
{
    std::error_code error;
    fs::path absolute = fs::absolute(item, error);
    if (error)
        absolute = item;
    return fs::path(withoutTrailingSlashes(absolute.native()));
}

std::string deletionDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return std::string(text, length);
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

bool isAbsentAt(int folder, const std::string &name)
{
    struct stat info {};
    return fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT;
}

std::string infoName(const std::string &name)
{
    return name + std::string(InfoSuffix);
}

// Gives the reserved name back unless its item arrived in files/ after all.
void releaseName(const TrashFolders &trash, const std::string &reserved)
{
    if (isAbsentAt(trash.files(), reserved))
        unlinkat(trash.info(), infoName(reserved).c_str(), 0);
}

TrashOutcome failure(QString description, QString reason, int errorNumber = 0)
{
    TrashOutcome outcome;
    outcome.errorDescription = std::move(description);
    if (!reason.isEmpty())
        reason[0] = reason[0].toUpper();
    outcome.reason = std::move(reason);
    outcome.errorNumber = errorNumber;
    return outcome;
}

TrashOutcome cannotMove(const fs::path &item, const QString &reason, int errorNumber = 0)
{
    return TrashOutcome::cannotMove(item, reason, errorNumber);
}

TrashOutcome cannotUse(const fs::path &trash, const QString &reason)
{
    const QString description =
        QStringLiteral("Cannot use the Trash folder %1: %2").arg(PathNames::text(trash), reason);
    return failure(description, description);
}

// Why the item cannot be moved: its folder `from` did not open, or (as errno tells) the item is not found in it.
TrashOutcome unreachable(const fs::path &item, const TrustedFolder &from)
{
    const int error = from.isOpen() ? errno : from.error();
    const QString reason = error == ENOENT ? QStringLiteral("it no longer exists")
                           : from.isOpen() ? qt_error_string(error)
                                           : from.problem();
    return cannotMove(item, reason, error);
}

} // namespace

FreedesktopTrash::FreedesktopTrash(fs::path folder)
    : FreedesktopTrash(fs::path(withoutTrailingSlashes(folder.native())).parent_path(),
                       fs::path(withoutTrailingSlashes(folder.native())).filename(), {}, false)
{}

FreedesktopTrash::FreedesktopTrash(fs::path base, fs::path relative)
    : FreedesktopTrash(std::move(base), std::move(relative), {}, false)
{}

FreedesktopTrash::FreedesktopTrash(fs::path base, fs::path relative, fs::path topDirectory, bool shared)
    : m_base(withoutTrailingSlashes(base.native()))
    , m_relative(std::move(relative))
    , m_folder(withoutTrailingSlashes((m_base / m_relative).native()))
    , m_topDirectory(std::move(topDirectory))
    , m_shared(shared)
{}

FreedesktopTrash FreedesktopTrash::ofHome(const fs::path &home)
{
    const fs::path usual = fs::path(".local") / "share";
    const fs::path dataHome = XdgBaseFolders::of(home).data;
    if (dataHome != home / usual)
        return FreedesktopTrash(dataHome, "Trash");
    return FreedesktopTrash(home, usual / "Trash");
}

TrashFolders FreedesktopTrash::folders(TrashFolders::Missing missing) const
{
    // A Trash at the top of a file system is named after the user whose items it holds.
    const auto owner = m_topDirectory.empty() ? std::nullopt : std::optional<uid_t>(geteuid());
    return TrashFolders(m_base, m_relative, missing, owner, m_shared);
}

std::string FreedesktopTrash::recordedPath(const fs::path &item, const fs::path &folder) const
{
    if (m_topDirectory.empty())
        return item.native();
    std::error_code error;
    const fs::path parent = fs::canonical(folder, error);
    if (error)
        return item.native();
    const fs::path relative = (parent / item.filename()).lexically_relative(m_topDirectory);
    if (relative.empty() || *relative.begin() == "..")
        return item.native();
    return relative.native();
}

std::optional<FreedesktopTrash::Reservation> FreedesktopTrash::reserveName(const TrashFolders &trash,
                                                                           const std::string &name, bool isDirectory,
                                                                           const std::string &contents,
                                                                           int &error) const
{
    for (int number = 1; number <= MaximumCandidates; ++number) {
        const std::string candidate = TrashFolders::candidateName(name, number, isDirectory, MaximumNameBytes);
        const std::string info = infoName(candidate);
        const int fd =
            openat(trash.info(), info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            error = errno;
            return std::nullopt;
        }
        trash.giveToOwner(fd);
        const bool written = writeAll(fd, contents);
        const int writeError = errno;
        const bool closed = close(fd) == 0;
        if (!written || !closed) {
            error = written ? errno : writeError;
            unlinkat(trash.info(), info.c_str(), 0);
            return std::nullopt;
        }
        // files/ may hold an item without an info file, left by a crash or by another program.
        struct stat existing {};
        const bool taken = fstatat(trash.files(), candidate.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0;
        const int lookupError = taken ? 0 : errno;
        if (!taken && lookupError == ENOENT)
            return Reservation{m_folder / "files" / candidate, m_folder / "info" / info};
        unlinkat(trash.info(), info.c_str(), 0);
        if (!taken) {
            error = lookupError;
            return std::nullopt;
        }
    }
    error = EEXIST;
    return std::nullopt;
}

std::optional<FreedesktopTrash::Reservation> FreedesktopTrash::reserve(const fs::path &item) const
{
    const fs::path path = absoluteItem(item);
    if (!PathNames::isEntryName(path.filename().native()))
        return std::nullopt;
    // Only the name's form depends on what the item is.
    struct stat info {};
    const bool isDirectory = lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    const TrashFolders trash = folders(TrashFolders::Missing::create);
    if (!trash.isOpen())
        return std::nullopt;
    int error = 0;
    const std::string contents = TrashInfo{recordedPath(path, path.parent_path()), deletionDate()}.text();
    return reserveName(trash, path.filename().native(), isDirectory, contents, error);
}

void FreedesktopTrash::release(const Reservation &reservation) const
{
    const fs::path reserved = reservation.filesPath.filename();
    if (reservation.filesPath != m_folder / "files" / reserved ||
        reservation.infoPath != m_folder / "info" / infoName(reserved.native()))
        return;
    const TrashFolders trash = folders(TrashFolders::Missing::fail);
    if (trash.isOpen())
        releaseName(trash, reserved.native());
}

TrashOutcome FreedesktopTrash::moveInto(const TrashFolders &trash, const TrustedFolder &from, const fs::path &item,
                                        const struct stat &checked, int &error) const
{
    if (!trash.isOpen())
        return cannotUse(m_folder, trash.problem());
    const std::string name = item.filename().native();
    const std::string contents = TrashInfo{recordedPath(item, from.path()), deletionDate()}.text();
    for (int attempt = 0; attempt < MaximumAttempts; ++attempt) {
        const auto reservation = reserveName(trash, name, S_ISDIR(checked.st_mode), contents, error);
        if (!reservation)
            return cannotUse(m_folder, qt_error_string(error));
        const std::string reserved = reservation->filesPath.filename().native();
        TrashOutcome outcome = trash.moveIn(from.descriptor(), name, checked, reserved, item);
        error = outcome.errorNumber;
        if (outcome.success) {
            outcome.trashedPath = reservation->filesPath;
            return outcome;
        }
        releaseName(trash, reserved);
        if (error != EEXIST && error != ENOTEMPTY)
            return outcome;
    }
    error = EEXIST;
    return cannotMove(item, QStringLiteral("no free name was found in the Trash"));
}

std::optional<fs::path> FreedesktopTrash::mountPointOf(const fs::path &folder)
{
    const auto identity = FileStatus::fileSystemOf(folder);
    if (!identity)
        return std::nullopt;
    fs::path current = folder;
    while (current.has_relative_path()) {
        const fs::path parent = current.parent_path();
        const auto parentIdentity = FileStatus::fileSystemOf(parent);
        if (!parentIdentity || !(*parentIdentity == *identity))
            break;
        current = parent;
    }
    return current;
}

std::optional<FreedesktopTrash> FreedesktopTrash::topDirectoryTrash(const fs::path &folder, QString &problem)
{
    std::error_code error;
    const fs::path parent = fs::canonical(folder, error);
    if (error) {
        problem = QString::fromStdString(error.message());
        return std::nullopt;
    }
    const auto top = mountPointOf(parent);
    if (!top) {
        problem = qt_error_string(errno);
        return std::nullopt;
    }
    const std::string user = std::to_string(geteuid());
    // An administrator may provide a shared .Trash with the sticky bit set, holding one folder per user.
    FreedesktopTrash shared(*top / ".Trash", user, *top, true);
    if (shared.folders(TrashFolders::Missing::create).isOpen())
        return shared;
    FreedesktopTrash own(*top, ".Trash-" + user, *top, false);
    const TrashFolders opened = own.folders(TrashFolders::Missing::create);
    if (!opened.isOpen()) {
        problem = opened.problem();
        return std::nullopt;
    }
    return own;
}

TrashOutcome FreedesktopTrash::moveToTrash(const fs::path &item, const TrustedFolder &from) const
{
    const fs::path path = absoluteItem(item);
    const std::string name = path.filename().native();
    if (!PathNames::isEntryName(name))
        return cannotMove(path, QStringLiteral("it is not an item that can be moved"));
    struct stat info {};
    if (!from.isOpen() || fstatat(from.descriptor(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return unreachable(path, from);

    int error = 0;
    const TrashFolders trash = folders(TrashFolders::Missing::create);
    TrashOutcome outcome = moveInto(trash, from, path, info, error);
    if (outcome.success || error != EXDEV)
        return outcome;
    // The Trash at the top of the item's file system is the running user's own: no place for the items of a home
    // that belongs to somebody else.
    if (trash.owner() != geteuid())
        return cannotMove(path, QStringLiteral("it is on another file system than the Trash of its home"));

    QString problem;
    const auto topTrash = topDirectoryTrash(from.path(), problem);
    if (!topTrash) {
        return cannotMove(
            path, QStringLiteral("it is on another file system, whose Trash folder cannot be used: %1").arg(problem));
    }
    return topTrash->moveInto(topTrash->folders(TrashFolders::Missing::create), from, path, info, error);
}

TrashOutcome FreedesktopTrash::moveToTrash(const fs::path &item) const
{
    const fs::path path = absoluteItem(item);
    return moveToTrash(path, TrustedFolder(path.parent_path(), TrustedFolder::Links::refused));
}

TrashOutcome FreedesktopTrash::moveToReservation(const TrustedFolder &from, const std::string &name,
                                                 const std::string &reserved, uid_t owner) const
{
    const fs::path item = from.path() / name;
    if (!PathNames::isEntryName(name) || !PathNames::isEntryName(reserved))
        return cannotMove(item, QStringLiteral("it is not an item that can be moved"));
    struct stat info {};
    if (!from.isOpen() || fstatat(from.descriptor(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return unreachable(item, from);
    const TrashFolders trash(m_base, m_relative, TrashFolders::Missing::fail, owner);
    if (!trash.isOpen())
        return cannotUse(m_folder, trash.problem());
    // A reservation is a plain file of the Trash's owner, made for this item and for no other.
    const std::string infoFile = infoName(reserved);
    struct stat reservation {};
    const auto recorded = TrashInfo::read(trash.info(), infoFile);
    const auto original = recorded ? recorded->originalPath(relativeBase()) : std::nullopt;
    const auto isForThisItem = [&] {
        if (!original || original->filename() != name)
            return false;
        const TrustedFolder place(original->parent_path());
        return place.isOpen() && place.identity() == from.identity();
    };
    if (fstatat(trash.info(), infoFile.c_str(), &reservation, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(reservation.st_mode) || reservation.st_uid != owner || reservation.st_nlink != 1 || !isForThisItem() ||
        !isAbsentAt(trash.files(), reserved))
        return cannotMove(item, QStringLiteral("its place in the Trash was not reserved for it"));
    TrashOutcome outcome = trash.moveIn(from.descriptor(), name, info, reserved, item);
    if (outcome.success)
        outcome.trashedPath = m_folder / "files" / reserved;
    return outcome;
}
