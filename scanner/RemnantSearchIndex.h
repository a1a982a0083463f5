// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/RemnantItem.h"

#include <QList>
#include <string>
#include <string_view>
#include <vector>

// The search texts of a list's records one after another in one buffer, so that a query is looked for in one pass
// over contiguous memory instead of record by record. Rows appended later are added at the end; any other change
// of the rows calls for a rebuild.
class RemnantSearchIndex {
public:
    void rebuild(const QList<RemnantItemPtr> &items);
    // The texts of items[first...], appended after the last rebuild.
    void append(const QList<RemnantItemPtr> &items, qsizetype first);
    void clear();

    qsizetype size() const { return qsizetype(m_ends.size()); }
    // For each record, whether its text holds `lowerQueryUtf8`; empty when the query cannot be looked for in the
    // joined texts (one that is empty or holds a line break or a NUL), and the records must be asked one by one.
    std::vector<bool> matches(std::string_view lowerQueryUtf8) const;

private:
    // Each record's text followed by a NUL.
    std::string m_text;
    // Where each record's NUL is.
    std::vector<std::size_t> m_ends;
};
