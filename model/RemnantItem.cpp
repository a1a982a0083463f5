// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/RemnantItem.h"

#include "model/Clock.h"
#include "model/DayCount.h"
#include "platform/PathNames.h"

#include <QCoreApplication>
#include <limits>

RemnantItem::RemnantItem(Fields fields)
    : m_id(QUuid::createUuid())
    , m_fields(std::move(fields))
    , m_url(m_fields.url.native())
    , m_name(PathNames::fileName(m_fields.url))
    , m_lastUseSortKey(std::numeric_limits<qint64>::min())
{
    m_fields.url = std::filesystem::path();
    updateLastUseSortKey();
}

void RemnantItem::updateLastUseSortKey()
{
    const std::optional<QDateTime> date = lastUseDate(LastUseRule::openedElseAccessedElseModified);
    m_lastUseSortKey = date && date->isValid() ? date->toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
}

std::string RemnantItem::searchText() const
{
    const QString text = m_name.toLower() + QLatin1Char('\n') +
                         m_fields.bundleIdentifier.value_or(QString()).toLower() + QLatin1Char('\n') +
                         m_fields.matchedAppName.value_or(QString()).toLower();
    return text.toStdString();
}

bool RemnantItem::matchesSearch(const QString &lowerQuery) const
{
    return matchesSearch(lowerQuery, lowerQuery.toStdString());
}

bool RemnantItem::matchesSearch(const QString &lowerQuery, std::string_view lowerQueryUtf8) const
{
    // One search over the three lines, in UTF-8, where a contained string is a contained run of bytes; a query that
    // itself holds a line break is matched field by field.
    if (lowerQueryUtf8.find('\n') == std::string_view::npos)
        return searchText().find(lowerQueryUtf8) != std::string::npos;
    return m_name.toLower().contains(lowerQuery) ||
           m_fields.bundleIdentifier.value_or(QString()).toLower().contains(lowerQuery) ||
           m_fields.matchedAppName.value_or(QString()).toLower().contains(lowerQuery);
}

QString RemnantItem::displayPath() const
{
    return PathNames::text(url());
}

std::optional<QDateTime> RemnantItem::lastUseDate(LastUseRule rule, const std::optional<QDateTime> &opened,
                                                  const std::optional<QDateTime> &accessed,
                                                  const std::optional<QDateTime> &modified)
{
    const bool withAccess = rule == LastUseRule::openedElseAccessedElseModified;
    for (const std::optional<QDateTime> *date : {&opened, withAccess ? &accessed : &opened, &modified}) {
        if (*date)
            return *date;
    }
    return std::nullopt;
}

std::optional<QDateTime> RemnantItem::lastUseDate(LastUseRule rule) const
{
    const std::optional<QDateTime> date =
        lastUseDate(rule, m_fields.lastOpened, m_fields.lastUsed, m_fields.lastModified);
    if (!m_fields.lastUseFromChanges)
        return date;
    const std::optional<QDateTime> inside = newestInside();
    if (inside && (!date || !date->isValid() || *inside > *date))
        return inside;
    return date;
}

void RemnantItem::setMeasurement(const SizeMeasurement &measurement, int staleThresholdDays)
{
    m_sizeOnDisk = measurement.bytesOnDisk;
    m_itemCount = measurement.fileCount;
    m_sizePartial = measurement.isPartial();
    m_sharedFiles = measurement.sharedFiles;
    m_census = measurement.census;
    if (m_fields.lastUseFromChanges)
        updateLastUseSortKey();
    const std::optional<QDateTime> newest = newestInside();
    m_usedRecently = newest && DayCount::daysBetween(*newest, Clock::now()) <= staleThresholdDays;
    if (isGuarded() && m_fields.status == RemnantStatus::orphan)
        m_fields.risk = RemnantRisk::review;
}

std::optional<QDateTime> RemnantItem::newestInside() const
{
    if (!m_census || !m_census->newestInside)
        return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch(*m_census->newestInside, Qt::UTC);
}

std::optional<qint64> RemnantItem::daysSinceLastUse() const
{
    const std::optional<QDateTime> reference = lastUseDate(LastUseRule::openedElseModified);
    if (!reference || !reference->isValid())
        return std::nullopt;
    return DayCount::daysBetween(*reference, Clock::now());
}

bool RemnantItem::isLongUnused() const
{
    const std::optional<qint64> days = daysSinceLastUse();
    return days && *days >= LongUnusedDays;
}
