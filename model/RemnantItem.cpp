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
    , m_url(std::move(fields.url).native())
    , m_bundleIdentifier(std::move(fields.bundleIdentifier))
    , m_matchedAppName(std::move(fields.matchedAppName))
    , m_evidence(std::move(fields.evidence))
    , m_lookalikes(std::move(fields.lookalikes))
    , m_fileSize(fields.fileSize)
    , m_lastUseSortKey(std::numeric_limits<qint64>::min())
    , m_category(fields.category)
    , m_status(fields.status)
    , m_risk(fields.risk)
{
    setDate(Flag::hasLastModified, m_lastModified, std::move(fields.lastModified));
    setDate(Flag::hasLastOpened, m_lastOpened, std::move(fields.lastOpened));
    setDate(Flag::hasLastUsed, m_lastUsed, std::move(fields.lastUsed));
    setDate(Flag::hasCreationDate, m_creationDate, std::move(fields.creationDate));
    set(Flag::weakMatch, fields.weakMatch);
    set(Flag::ownerUnnamed, fields.ownerUnnamed);
    set(Flag::lastUseFromChanges, fields.lastUseFromChanges);
    updateLastUseSortKey();
}

std::vector<std::shared_ptr<RemnantItem>> RemnantItem::inOneBlock(std::vector<RemnantItem> records)
{
    records.shrink_to_fit();
    const auto block = std::make_shared<std::vector<RemnantItem>>(std::move(records));
    std::vector<std::shared_ptr<RemnantItem>> shared;
    shared.reserve(block->size());
    for (RemnantItem &record : *block)
        shared.emplace_back(block, &record);
    return shared;
}

void RemnantItem::setDate(Flag flag, QDateTime &value, std::optional<QDateTime> &&given)
{
    set(flag, given.has_value());
    if (given)
        value = std::move(*given);
}

void RemnantItem::updateLastUseSortKey()
{
    const std::optional<QDateTime> date = lastUseDate(LastUseRule::openedElseAccessedElseModified);
    m_lastUseSortKey = date && date->isValid() ? date->toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
}

std::string RemnantItem::searchText() const
{
    const QString text = name().toLower() + QLatin1Char('\n') + m_bundleIdentifier.value_or(QString()).toLower() +
                         QLatin1Char('\n') + m_matchedAppName.value_or(QString()).toLower();
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
    return name().toLower().contains(lowerQuery) ||
           m_bundleIdentifier.value_or(QString()).toLower().contains(lowerQuery) ||
           m_matchedAppName.value_or(QString()).toLower().contains(lowerQuery);
}

QString RemnantItem::name() const
{
    return PathNames::fileName(std::string_view(m_url));
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
    const std::optional<QDateTime> date = lastUseDate(rule, lastOpened(), lastUsed(), lastModified());
    if (!lastUseFromChanges())
        return date;
    const std::optional<QDateTime> inside = newestInside();
    if (inside && (!date || !date->isValid() || *inside > *date))
        return inside;
    return date;
}

void RemnantItem::setMeasurement(const SizeMeasurement &measurement, int staleThresholdDays)
{
    set(Flag::measured, true);
    m_sizeOnDisk = measurement.bytesOnDisk;
    m_itemCount = measurement.fileCount;
    set(Flag::sizePartial, measurement.isPartial());
    const ContentCensus &census = measurement.census;
    set(Flag::hasNewestInside, census.newestInside.has_value());
    m_newestInside = census.newestInside.value_or(0);
    if (census.holdsUserFiles() || !census.sample.empty() || !measurement.sharedFiles.empty())
        m_contents = std::make_shared<const Contents>(Contents{census, measurement.sharedFiles});
    else
        m_contents.reset();
    if (lastUseFromChanges())
        updateLastUseSortKey();
    const std::optional<QDateTime> newest = newestInside();
    set(Flag::usedRecently, newest && DayCount::daysBetween(*newest, Clock::now()) <= staleThresholdDays);
    if (isGuarded() && m_status == RemnantStatus::orphan)
        m_risk = RemnantRisk::review;
}

const ContentCensus *RemnantItem::census() const
{
    if (!has(Flag::measured))
        return nullptr;
    if (m_contents)
        return &m_contents->census;
    // A census that found nothing of the user's; its newest change is kept apart (newestInside()).
    static const ContentCensus nothingFound;
    return &nothingFound;
}

const std::vector<SizeMeasurement::SharedFile> &RemnantItem::sharedFiles() const
{
    static const std::vector<SizeMeasurement::SharedFile> none;
    return m_contents ? m_contents->sharedFiles : none;
}

std::optional<QDateTime> RemnantItem::newestInside() const
{
    if (!has(Flag::hasNewestInside))
        return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch(m_newestInside, Qt::UTC);
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
