// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/UserFilesText.h"

#include "model/Clock.h"
#include "model/RemnantItem.h"
#include "model/RemovalAssessment.h"
#include "platform/ProgramTranslations.h"
#include "ui/RelativeDateFormatter.h"

#include <QLocale>
#include <cstdlib>

QString UserFilesText::count(UserFileKind kind, qint64 count)
{
    const bool one = count == 1;
    const QString number = ProgramTranslations::displayLocale().toString(count);
    switch (kind) {
    case UserFileKind::credentials:
        return one ? tr("1 credential") : tr("%1 credentials").arg(number);
    case UserFileKind::mail:
        return one ? tr("1 mail item") : tr("%1 mail items").arg(number);
    case UserFileKind::documents:
        return one ? tr("1 document") : tr("%1 documents").arg(number);
    case UserFileKind::media:
        return one ? tr("1 photo or media file") : tr("%1 photos or media files").arg(number);
    case UserFileKind::repositories:
        return one ? tr("1 repository") : tr("%1 repositories").arg(number);
    }
    return {};
}

QString UserFilesText::counts(const ContentCensus &census)
{
    QStringList parts;
    for (const UserFileKind kind : AllUserFileKinds) {
        if (census.count(kind) > 0)
            parts.append(count(kind, census.count(kind)));
    }
    return parts.join(QStringLiteral(", "));
}

QString UserFilesText::newestChange(const RemnantItem &item)
{
    const std::optional<QDateTime> newest = item.newestInside();
    if (!newest)
        return tr("Unknown");
    const QDateTime now = Clock::now();
    // A file written as the scan ran may carry a time a moment past the scan's own.
    if (std::abs(newest->secsTo(now)) < 60)
        return tr("just now");
    return RelativeDateFormatter::describe(*newest, now);
}

QString UserFilesText::concern(RemovalConcern concern, const RemnantItem &item, bool examples)
{
    switch (concern) {
    case RemovalConcern::holdsUserFiles: {
        QString reason = tr("holds your own files: %1").arg(counts(*item.census()));
        if (examples) {
            QStringList sample;
            for (const std::string &path : item.census()->sample)
                sample.append(QString::fromUtf8(path));
            reason += QStringLiteral(" (%1)").arg(sample.join(QStringLiteral(", ")));
        }
        return reason;
    }
    case RemovalConcern::usedRecently:
        return tr("was used recently: something inside changed %1").arg(newestChange(item));
    case RemovalConcern::partlyUnreadable:
        return tr("could not be looked inside everywhere: some folders in it cannot be read");
    case RemovalConcern::notLookedInside:
        return tr("has not been looked inside yet");
    case RemovalConcern::mayBelongToInstalledApp:
        return tr("may belong to %1, which is installed").arg(item.lookalikes().join(QStringLiteral(", ")));
    }
    return {};
}

QStringList UserFilesText::concerns(const RemnantItem &item, bool examples)
{
    QStringList phrases;
    for (const RemovalConcern concern : RemovalAssessment::concerns(item))
        phrases.append(UserFilesText::concern(concern, item, examples));
    return phrases;
}
