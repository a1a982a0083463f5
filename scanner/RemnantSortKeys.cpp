// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/RemnantSortKeys.h"

#include <algorithm>
#include <numeric>

qint64 RemnantSortKeys::directKey(const RemnantItem &item, RemnantSortOrder order)
{
    switch (order) {
    case RemnantSortOrder::riskDescending:
        return rank(item.risk());
    case RemnantSortOrder::sizeDescending:
        return -item.displayedSize();
    case RemnantSortOrder::lastUsedDescending:
        // The smallest key stands for no date; keep it below every real one and away from Missing.
        return std::max(item.lastUseSortKey(), std::numeric_limits<qint64>::min() + 1);
    case RemnantSortOrder::nameAscending:
        break;
    }
    return Missing;
}

void RemnantSortKeys::rebuild(const QList<RemnantItemPtr> &items, RemnantSortOrder order)
{
    m_order = order;
    m_keys.assign(std::size_t(items.size()), Missing);
    m_complete = true;
    if (order != RemnantSortOrder::nameAscending) {
        for (qsizetype row = 0; row < items.size(); ++row)
            m_keys[std::size_t(row)] = directKey(*items[row], order);
        return;
    }
    // Names are ranked: equal names share a rank, so ranks order exactly as names do.
    std::vector<qsizetype> rows(std::size_t(items.size()));
    std::iota(rows.begin(), rows.end(), 0);
    std::sort(rows.begin(), rows.end(),
              [&](qsizetype a, qsizetype b) { return sortsBefore(order, *items[a], *items[b]); });
    qint64 rank = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0 && sortsBefore(order, *items[rows[i - 1]], *items[rows[i]]))
            ++rank;
        m_keys[std::size_t(rows[i])] = rank;
    }
}

void RemnantSortKeys::append(const QList<RemnantItemPtr> &items, qsizetype first)
{
    if (first != qsizetype(m_keys.size())) {
        clear();
        return;
    }
    for (qsizetype row = first; row < items.size(); ++row) {
        const qint64 key = directKey(*items[row], m_order);
        m_complete = m_complete && key != Missing;
        m_keys.push_back(key);
    }
}

void RemnantSortKeys::remove(qsizetype row)
{
    if (row >= 0 && row < qsizetype(m_keys.size()))
        m_keys.erase(m_keys.begin() + row);
    else
        clear();
}

void RemnantSortKeys::clear()
{
    m_keys.clear();
    m_complete = false;
}
