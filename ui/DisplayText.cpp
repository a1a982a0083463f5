// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/DisplayText.h"

#include "model/Clock.h"
#include "model/RemnantItem.h"
#include "platform/ProgramTranslations.h"
#include "scanner/RemnantSummary.h"
#include "ui/ByteCountFormatter.h"
#include "ui/RelativeDateFormatter.h"

#include <QCoreApplication>

// The raw values, listed here for the translators; translated() looks them up by their English text.
[[maybe_unused]] static const char *const RawValues[] = {
    QT_TRANSLATE_NOOP("DisplayText", "Application Support"),
    QT_TRANSLATE_NOOP("DisplayText", "Application Scripts"),
    QT_TRANSLATE_NOOP("DisplayText", "LaunchAgents"),
    QT_TRANSLATE_NOOP("DisplayText", "LaunchDaemons"),
    QT_TRANSLATE_NOOP("DisplayText", "Preferences"),
    QT_TRANSLATE_NOOP("DisplayText", "Caches"),
    QT_TRANSLATE_NOOP("DisplayText", "Containers"),
    QT_TRANSLATE_NOOP("DisplayText", "Saved Application State"),
    QT_TRANSLATE_NOOP("DisplayText", "Logs"),
    QT_TRANSLATE_NOOP("DisplayText", "Cron Jobs"),
    QT_TRANSLATE_NOOP("DisplayText", "Other"),
    QT_TRANSLATE_NOOP("DisplayText", "Configuration"),
    QT_TRANSLATE_NOOP("DisplayText", "Application Data"),
    QT_TRANSLATE_NOOP("DisplayText", "Cache"),
    QT_TRANSLATE_NOOP("DisplayText", "State"),
    QT_TRANSLATE_NOOP("DisplayText", "Flatpak Data"),
    QT_TRANSLATE_NOOP("DisplayText", "Snap Data"),
    QT_TRANSLATE_NOOP("DisplayText", "Autostart"),
    QT_TRANSLATE_NOOP("DisplayText", "User Services"),
    QT_TRANSLATE_NOOP("DisplayText", "Menu Entries"),
    QT_TRANSLATE_NOOP("DisplayText", "Dot Folders"),
    QT_TRANSLATE_NOOP("DisplayText", "Safe"),
    QT_TRANSLATE_NOOP("DisplayText", "Caution"),
    QT_TRANSLATE_NOOP("DisplayText", "Review"),
    QT_TRANSLATE_NOOP("DisplayText", "Red"),
    QT_TRANSLATE_NOOP("DisplayText", "Orange"),
    QT_TRANSLATE_NOOP("DisplayText", "Yellow"),
    QT_TRANSLATE_NOOP("DisplayText", "Green"),
    QT_TRANSLATE_NOOP("DisplayText", "Blue"),
    QT_TRANSLATE_NOOP("DisplayText", "Purple"),
    QT_TRANSLATE_NOOP("DisplayText", "Gray"),
    QT_TRANSLATE_NOOP("DisplayText", "Risk (high → low)"),
    QT_TRANSLATE_NOOP("DisplayText", "Size (large → small)"),
    QT_TRANSLATE_NOOP("DisplayText", "Name (A → Z)"),
    QT_TRANSLATE_NOOP("DisplayText", "Last used (oldest → newest)"),
};

QString DisplayText::of(RemnantCategory category)
{
    return translated(rawValue(category));
}

QString DisplayText::of(RemnantRisk risk)
{
    return translated(rawValue(risk));
}

QString DisplayText::of(FinderTagColor tag)
{
    return translated(rawValue(tag));
}

QString DisplayText::of(RemnantSortOrder order)
{
    switch (order) {
    case RemnantSortOrder::riskDescending:
        return translated(QStringLiteral("Risk (high → low)"));
    case RemnantSortOrder::sizeDescending:
        return translated(QStringLiteral("Size (large → small)"));
    case RemnantSortOrder::nameAscending:
        return translated(QStringLiteral("Name (A → Z)"));
    case RemnantSortOrder::lastUsedDescending:
        return translated(QStringLiteral("Last used (oldest → newest)"));
    }
    return {};
}

QString DisplayText::fileSize(qint64 bytes)
{
    return ByteCountFormatter::fileSize(bytes, ProgramTranslations::displayLocale());
}

QString DisplayText::measuring()
{
    return QCoreApplication::translate("DisplayText", "Measuring…");
}

QString DisplayText::totalSize(const RemnantSummary &summary, bool measuring)
{
    return measuring && summary.unmeasuredCount > 0 ? DisplayText::measuring() : fileSize(summary.totalSize);
}

QString DisplayText::translated(const QString &rawValue)
{
    return QCoreApplication::translate("DisplayText", rawValue.toUtf8().constData());
}

QString DisplayText::lastUsed(const RemnantItem &item)
{
    const std::optional<QDateTime> reference = item.lastUseDate(RemnantItem::LastUseRule::openedElseModified);
    if (!reference || !reference->isValid())
        return QCoreApplication::translate("RemnantItem", "Unknown");
    return RelativeDateFormatter::describe(*reference, Clock::now());
}

std::optional<QString> DisplayText::age(const RemnantItem &item)
{
    const std::optional<qint64> days = item.daysSinceLastUse();
    if (!days)
        return std::nullopt;
    if (*days <= 365)
        return QCoreApplication::translate("RemnantItem", "%1d ago").arg(*days);
    return QCoreApplication::translate("RemnantItem", "%1y %2d ago").arg(*days / 365).arg(*days % 365);
}

std::optional<QString> DisplayText::owner(const RemnantItem &item)
{
    if (!item.matchedAppName())
        return std::nullopt;
    if (item.isOwnerUnnamed())
        return QCoreApplication::translate("RemnantItem", "Unknown");
    return item.matchedAppName();
}

QString DisplayText::attribution(const RemnantItem &item)
{
    if (item.isOwnerUnnamed() || !item.bundleIdentifier())
        return QCoreApplication::translate("RemnantItem", "Unknown");
    return *item.bundleIdentifier();
}
