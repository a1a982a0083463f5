// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/RestoreCommand.h"

#include "cli/ProfileChoice.h"

#include "cli/ScanCommand.h"
#include "cli/TerminalText.h"
#include "platform/DiagnosticLog.h"
#include "platform/PathNames.h"
#include "platform/PosixPlatform.h"
#include "scanner/ListingRule.h"
#include "scanner/Profile.h"
#include "scanner/RemnantActionReport.h"
#include "scanner/RemovalGuard.h"
#include "scanner/TrashRestore.h"
#include "ui/FailureText.h"

#include <algorithm>
#include <cstdio>

namespace fs = std::filesystem;

namespace {

void printError(const QString &message)
{
    std::fprintf(stderr, "leftscan-cli: %s\n", TerminalText::bytes(message.toStdString()).constData());
}

// A path as the terminal shows it, to go into a message.
QString shown(const fs::path &path)
{
    return QString::fromUtf8(TerminalText::path(path));
}

} // namespace

int RestoreCommand::restore(const CommandLine &line)
{
    const auto shared = std::make_shared<PosixPlatform>(line.root, line.home);
    const PosixPlatform &platform = *shared;
    const std::shared_ptr<const Profile> profile = ProfileChoice::make(line.scanProfile(), shared);
    const RemovalGuard guard(platform, *profile, {});
    const ListingRule rule(*profile);
    std::vector<std::pair<fs::path, TrashEntry>> chosen;
    for (const std::string &given : line.operands) {
        const fs::path original = CommandLine::normalisedPath(given);
        if (std::any_of(chosen.begin(), chosen.end(), [&](const auto &each) { return each.first == original; }))
            continue;
        if (const auto refusal = TrashRestore::refusal(platform, guard, original)) {
            printError(
                RestoreCommand::tr("%1: %2; nothing was put back").arg(shown(original), FailureText::of(*refusal)));
            return ScanCommand::NotListed;
        }
        const std::vector<TrashEntry> entries = platform.trashEntriesFrom(original);
        if (entries.empty()) {
            printError(RestoreCommand::tr("%1 is not in the Trash; nothing was put back").arg(shown(original)));
            return ScanCommand::NotListed;
        }
        // Only under a name that a scan lists, so that nothing goes back that could not be moved to the Trash again.
        if (!rule.lists(original, platform.entryKind(entries.front().trashedPath) == Platform::EntryKind::folder)) {
            printError(RestoreCommand::tr("%1 is not a leftover that a scan lists; nothing was put back")
                           .arg(shown(original)));
            return ScanCommand::NotListed;
        }
        chosen.emplace_back(original, entries.front());
    }
    int failed = 0;
    for (const auto &[original, entry] : chosen) {
        const TrashRestore::Outcome outcome = TrashRestore::restore(platform, guard, entry.trashedPath, original);
        if (outcome.success) {
            DiagnosticLog::write(QStringLiteral("✅ Put back from Trash: ") + PathNames::fileName(original));
            continue;
        }
        printError(
            RestoreCommand::tr("%1 was not put back: %2").arg(shown(original), FailureText::of(outcome.failure())));
        ++failed;
    }
    return failed == 0 ? ScanCommand::Success : ScanCommand::SomeFailed;
}
