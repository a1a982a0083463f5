// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "admintrash/AdministratorHelper.h"

#include "linuxdesktop/LinuxProfile.h"
#include "mac/MacProfile.h"
#include "platform/AdministratorCommand.h"
#include "platform/FinderTrash.h"
#include "platform/FreedesktopTrash.h"
#include "platform/PathNames.h"
#include "platform/PosixPlatform.h"
#include "platform/TrashOutcome.h"
#include "platform/TrustedFolder.h"
#include "scanner/RemovalGuard.h"
#include "ui/FailureText.h"

#include <memory>
#include <span>

namespace fs = std::filesystem;

namespace {

// A path that names exactly one place: absolute, and without ".", ".." or empty steps.
bool isPlainPath(const std::string &text)
{
    if (text.empty() || text.front() != '/')
        return false;
    for (const fs::path &part : fs::path(text).relative_path()) {
        if (part.empty() || part == "." || part == "..")
            return false;
    }
    return text.size() == 1 || text.back() != '/';
}

std::string failure(const std::string &item, const QString &reason)
{
    return TrashOutcome::failureLine(PathNames::fileName(fs::path(item)), reason).toStdString() + '\n';
}

// Why the item must not be moved; absent when one of the guards accepts it, and then `held` is its folder.
std::optional<QString> check(std::span<const RemovalGuard> guards, const std::string &folder, const std::string &item,
                             std::shared_ptr<const TrustedFolder> &held)
{
    if (!isPlainPath(folder) || !isPlainPath(item))
        return QStringLiteral("its path is not named plainly");
    if (!TrustedFolder(folder, TrustedFolder::Links::refused).isOpen())
        return QStringLiteral("the way to it leads through a symbolic link or is gone");
    std::optional<FailureReason> refusal;
    for (const RemovalGuard &guard : guards) {
        refusal = guard.refusal(fs::path(item), &held);
        if (!refusal)
            break;
    }
    return refusal ? std::optional(FailureText::of(*refusal)) : std::nullopt;
}

} // namespace

int AdministratorHelper::run(const std::vector<std::string> &arguments, const InvokingUser &user, std::string &errors,
                             const fs::path &root)
{
    if (arguments.size() < 5 || (arguments.size() - 2) % 3 != 0) {
        errors += std::string(AdministratorCommand::HelperName) +
                  ": usage: TRASH-BASE TRASH-FOLDER FOLDER NAME RESERVED-NAME...\n"
                  "(a TRASH-FOLDER named " +
                  FinderTrash::FolderName + " is the Mac's, any other a freedesktop Trash)\n";
        return 2;
    }
    // The scan locations of the user's home as every profile has them, without what an environment could move.
    const auto platform = std::make_shared<PosixPlatform>(root, user.home);
    const MacProfile macProfile(platform);
    const LinuxProfile linuxProfile(platform);
    const RemovalGuard guards[] = {RemovalGuard(*platform, macProfile, {}), RemovalGuard(*platform, linuxProfile, {})};
    const FreedesktopTrash trash{fs::path(arguments[0]), fs::path(arguments[1])};
    const std::optional<FinderTrash> finder =
        arguments[1] == FinderTrash::FolderName ? std::optional(FinderTrash(arguments[0])) : std::nullopt;
    const bool plainTrash =
        isPlainPath(arguments[0]) && fs::path(arguments[1]).is_relative() && isPlainPath("/" + arguments[1]);

    int failed = 0;
    for (std::size_t i = 2; i < arguments.size(); i += 3) {
        const std::string &folder = arguments[i];
        const std::string &name = arguments[i + 1];
        const std::string item = folder + '/' + name;
        std::shared_ptr<const TrustedFolder> held;
        const std::optional<QString> refusal =
            plainTrash ? check(guards, folder, item, held) : QStringLiteral("its Trash is not named plainly");
        if (refusal) {
            errors += failure(item, *refusal);
            ++failed;
            continue;
        }
        const TrashOutcome outcome = finder ? finder->moveToName(*held, name, arguments[i + 2], user.uid)
                                            : trash.moveToReservation(*held, name, arguments[i + 2], user.uid);
        if (outcome.success)
            continue;
        errors += outcome.errorDescription.toStdString() + '\n';
        ++failed;
    }
    return failed == 0 ? 0 : 1;
}
