// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/RemnantFilter.h"

#include "model/Clock.h"
#include "model/DayCount.h"
#include "scanner/RemnantScanner.h"

RemnantFilter::RemnantFilter(const RemnantScanner &scanner)
    : m_category(scanner.selectedCategory())
    , m_orphansOnly(scanner.filterOrphansOnly() || scanner.hideInstalledApps())
    , m_staleOnly(scanner.filterStaleOnly())
    , m_thresholdDays(scanner.staleThresholdDays())
    , m_query(scanner.searchText().toLower())
    , m_queryUtf8(m_query.toStdString())
    , m_now(Clock::now())
{}

bool RemnantFilter::accepts(const RemnantItem &item) const
{
    return acceptsBesidesSearch(item) && (m_query.isEmpty() || item.matchesSearch(m_query, m_queryUtf8));
}

bool RemnantFilter::acceptsBesidesSearch(const RemnantItem &item) const
{
    if (m_category && item.category() != *m_category)
        return false;
    if (m_orphansOnly && item.status() != RemnantStatus::orphan)
        return false;
    if (m_staleOnly) {
        const std::optional<QDateTime> reference = item.lastUseDate(RemnantItem::LastUseRule::openedElseModified);
        if (!reference || !reference->isValid() || DayCount::daysBetween(*reference, m_now) < m_thresholdDays)
            return false;
    }
    return true;
}
