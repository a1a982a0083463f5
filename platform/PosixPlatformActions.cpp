// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The actions of the POSIX platform: Trash and putting back from it, tags and privileged commands.
#include "platform/PosixPlatform.h"

#include "platform/AdministratorCommand.h"
#include "platform/FileTags.h"
#include "platform/FinderTrash.h"
#include "platform/FreedesktopTrash.h"
#include "platform/MacTrash.h"
#include "platform/PathNames.h"
#include "platform/ProgramSpawn.h"
#include "platform/SystemPrograms.h"
#include "platform/SystemTrash.h"

#include <QRegularExpression>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

ScriptOutcome PosixPlatform::runProgram(const std::vector<std::string> &arguments)
{
    int errorPipe[2];
    if (pipe(errorPipe) != 0)
        return ScriptOutcome{false, std::nullopt, QString::fromLocal8Bit(std::strerror(errno))};
    fcntl(errorPipe[0], F_SETFD, FD_CLOEXEC);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, errorPipe[1], STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    pid_t child = -1;
    const int started = ProgramSpawn::start(arguments, actions, child);
    close(errorPipe[1]);
    if (started != 0) {
        close(errorPipe[0]);
        return ScriptOutcome{false, std::nullopt,
                             QStringLiteral("%1 could not be started: %2")
                                 .arg(QString::fromLocal8Bit(arguments.front().c_str()),
                                      QString::fromLocal8Bit(std::strerror(started)))};
    }
    QByteArray errors;
    char buffer[4096];
    ssize_t got;
    while ((got = read(errorPipe[0], buffer, sizeof buffer)) != 0) {
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            break;
        errors.append(buffer, got);
    }
    close(errorPipe[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return ScriptOutcome{true, std::nullopt, QString()};
    ScriptOutcome outcome{false, std::nullopt, QString::fromLocal8Bit(errors).trimmed()};
    if (outcome.description.isEmpty())
        outcome.description = QStringLiteral("%1 ended with status %2")
                                  .arg(QString::fromLocal8Bit(arguments.front().c_str()))
                                  .arg(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    const QRegularExpressionMatch number =
        QRegularExpression(QStringLiteral("\\((-\\d+)\\)\\s*$")).match(outcome.description);
    if (number.hasMatch())
        outcome.errorNumber = number.captured(1).toInt();
    return outcome;
}

const SystemTrash *PosixPlatform::systemTrash() const
{
    // The system's Trash is the running user's: a home of somebody else, or a system read from elsewhere, keeps its
    // items in a Trash of its own.
    struct stat home {};
    const bool own = lstat(m_home.c_str(), &home) == 0 && home.st_uid == geteuid();
    return isLiveSystem() && own ? SystemTrash::ofSystem() : nullptr;
}

TrashOutcome PosixPlatform::moveToTrash(const fs::path &item, const TrustedFolder &folder) const
{
    if (const SystemTrash *system = systemTrash())
        return MacTrash(*system).moveToTrash(item, folder);
    return FreedesktopTrash::ofHome(m_home).moveToTrash(item, folder);
}

std::optional<TrashSlot> PosixPlatform::reserveTrashSlot(const fs::path &item) const
{
    // The administrator's moves go where the system's own would: on the Mac, into the Trash that Finder shows.
    if (systemTrash()) {
        const auto place = FinderTrash(m_home).freePlace(item);
        return place ? std::optional(TrashSlot{*place, {}}) : std::nullopt;
    }
    const auto reservation = FreedesktopTrash::ofHome(m_home).reserve(item);
    if (!reservation)
        return std::nullopt;
    return TrashSlot{reservation->filesPath, reservation->infoPath};
}

void PosixPlatform::releaseTrashSlot(const TrashSlot &slot) const
{
    if (slot.restoreInfo.empty())
        return;
    FreedesktopTrash::ofHome(m_home).release(FreedesktopTrash::Reservation{slot.destination, slot.restoreInfo});
}

ScriptOutcome PosixPlatform::moveToTrashAsAdministrator(const std::vector<AdministratorMove> &moves) const
{
    const FreedesktopTrash freedesktop = FreedesktopTrash::ofHome(m_home);
    const FinderTrash finder(m_home);
    const bool isFinders = systemTrash() != nullptr;
    const fs::path base = isFinders ? finder.home() : freedesktop.base();
    const fs::path relative = isFinders ? fs::path(FinderTrash::FolderName) : freedesktop.relative();
    const fs::path destinations = isFinders ? finder.folder() : freedesktop.folder() / "files";
    for (const AdministratorMove &move : moves) {
        if (move.slot.destination.parent_path() != destinations) {
            return ScriptOutcome{false, std::nullopt,
                                 QStringLiteral("No place is reserved for '%1' in the Trash %2")
                                     .arg(PathNames::fileName(move.item), PathNames::text(base / relative))};
        }
    }
    return runAdministratorCommand(
        AdministratorCommand::arguments(SystemPrograms::administratorHelper(), base, relative, moves));
}

ScriptOutcome PosixPlatform::runAdministratorCommand(const std::vector<std::string> &arguments) const
{
    return runProgram(SystemPrograms::administratorCommand(arguments));
}

std::vector<TrashEntry> PosixPlatform::trashEntriesFrom(const fs::path &original) const
{
    return FreedesktopTrash::entriesFrom(FreedesktopTrash::ofHome(m_home), original);
}

RestoreOutcome PosixPlatform::restoreFromTrash(const fs::path &trashedItem, const fs::path &original,
                                               const TrustedFolder &folder) const
{
    const FreedesktopTrash home = FreedesktopTrash::ofHome(m_home);
    // What went to the system's own Trash goes back from where the system said it went.
    if (const SystemTrash *system = systemTrash(); system && !FreedesktopTrash::holding(trashedItem))
        return MacTrash(*system).restore(trashedItem, original, folder);
    if (trashedItem.parent_path() == home.folder() / "files")
        return home.restore(trashedItem, original, folder);
    const auto trash = FreedesktopTrash::holding(trashedItem);
    if (!trash) {
        RestoreOutcome outcome;
        outcome.errorDescription =
            QStringLiteral("Cannot put '%1' back: it is not in a Trash folder").arg(PathNames::fileName(original));
        return outcome;
    }
    return trash->restore(trashedItem, original, folder);
}

std::optional<QString> PosixPlatform::setTags(const fs::path &item, const QStringList &names) const
{
    return FileTags::setTags(item, names);
}

ScriptOutcome PosixPlatform::runAutomationProbe() const
{
    const std::vector<std::string> probe = SystemPrograms::automationProbe();
    if (probe.empty())
        return ScriptOutcome{true, std::nullopt, QString()};
    return runProgram(probe);
}

bool PosixPlatform::isMacOS() const
{
    return SystemPrograms::isMacOS();
}
