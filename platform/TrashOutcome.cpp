// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/TrashOutcome.h"

#include "platform/PathNames.h"

#include <QStringList>

TrashOutcome TrashOutcome::cannotMove(const std::filesystem::path &item, QString reason, int errorNumber)
{
    TrashOutcome outcome;
    outcome.errorDescription = failureLine(PathNames::fileName(item), reason);
    if (!reason.isEmpty())
        reason[0] = reason[0].toUpper();
    outcome.reason = std::move(reason);
    outcome.errorNumber = errorNumber;
    return outcome;
}

QString TrashOutcome::failureLine(const QString &name, const QString &reason)
{
    return QStringLiteral("Cannot move '%1' to the Trash: %2").arg(name, reason);
}

std::optional<QString> TrashOutcome::reasonIn(const QString &said, const QString &name)
{
    const QString lead = failureLine(name, QString());
    for (const QString &line : said.split(u'\n')) {
        if (line.startsWith(lead) && line.size() > lead.size()) {
            QString reason = line.mid(lead.size());
            reason[0] = reason[0].toUpper();
            return reason;
        }
    }
    return std::nullopt;
}
