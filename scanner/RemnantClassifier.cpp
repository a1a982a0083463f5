// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/RemnantClassifier.h"

#include "model/DayCount.h"
#include "model/RemnantItem.h"

namespace {

std::optional<qint64> daysSince(const QDateTime &reference, const QDateTime &now)
{
    if (!reference.isValid() || !now.isValid())
        return std::nullopt;
    return DayCount::daysBetween(reference, now);
}

RemnantClassifier::Result classifyOrphan(const RemnantClassifier::Input &input)
{
    const RemnantClassifier::Result keptOrphan{input.bundleIdentifier, input.appName, RemnantStatus::orphan,
                                               RemnantRisk::review};
    if (!input.recentUseMeansOwned)
        return keptOrphan;
    const std::optional<QDateTime> reference = RemnantItem::lastUseDate(
        RemnantItem::LastUseRule::openedElseAccessedElseModified, input.lastOpened, input.lastUsed, input.lastModified);
    if (!reference)
        return keptOrphan;
    // An age that cannot be told counts as zero days.
    const qint64 days = daysSince(*reference, input.now).value_or(0);
    if (days > input.thresholdDays)
        return keptOrphan;
    return {input.bundleIdentifier, QStringLiteral("Unknown"), RemnantStatus::stale, RemnantRisk::safe, true};
}

RemnantClassifier::Result classifyUnknown(const RemnantClassifier::Input &input)
{
    RemnantClassifier::Result result{input.bundleIdentifier, input.appName, RemnantStatus::unknown,
                                     RemnantRisk::caution};
    const std::optional<QDateTime> reference = RemnantItem::lastUseDate(
        RemnantItem::LastUseRule::openedElseModified, input.lastOpened, input.lastUsed, input.lastModified);
    if (!reference)
        return result;
    const qint64 days = daysSince(*reference, input.now).value_or(0);
    const qint64 threshold = input.thresholdDays;
    if (days > 2 * threshold)
        result.risk = RemnantRisk::review;
    else if (days > threshold)
        result.risk = RemnantRisk::caution;
    else
        result.risk = RemnantRisk::safe;
    return result;
}

} // namespace

RemnantClassifier::Result RemnantClassifier::classify(const Input &input)
{
    switch (input.verdict) {
    case RemnantStatus::stale:
        return {input.bundleIdentifier, input.appName, RemnantStatus::stale, RemnantRisk::safe};
    case RemnantStatus::orphan:
        return classifyOrphan(input);
    case RemnantStatus::unknown:
        return classifyUnknown(input);
    }
    return classifyOrphan(input);
}
