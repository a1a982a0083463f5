// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/RemnantItem.h"
#include "scanner/RemnantSortOrder.h"

#include <QList>
#include <limits>
#include <vector>

// One number per record of a list for one sort order, so that comparing two numbers gives the same answer as
// sortsBefore on the records: equal records get equal numbers. Sorting then reads a compact array instead of the
// records themselves. Rows appended later have no number until the next rebuild for the name order, which
// ranks all names at once; callers compare such rows with sortsBefore.
class RemnantSortKeys {
public:
    void rebuild(const QList<RemnantItemPtr> &items, RemnantSortOrder order);
    // Keys for items[first...], appended after the last rebuild.
    void append(const QList<RemnantItemPtr> &items, qsizetype first);
    void remove(qsizetype row);
    void clear();

    qsizetype size() const { return qsizetype(m_keys.size()); }
    bool covers(qsizetype row) const { return row >= 0 && row < qsizetype(m_keys.size()) && m_keys[row] != Missing; }
    qint64 key(qsizetype row) const { return m_keys[std::size_t(row)]; }
    // True when every one of `count` rows has a key.
    bool isComplete(qsizetype count) const { return m_complete && qsizetype(m_keys.size()) == count; }

private:
    static constexpr qint64 Missing = std::numeric_limits<qint64>::max();
    static qint64 directKey(const RemnantItem &item, RemnantSortOrder order);

    RemnantSortOrder m_order = RemnantSortOrder::riskDescending;
    std::vector<qint64> m_keys;
    bool m_complete = false;
};
