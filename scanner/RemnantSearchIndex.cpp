// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/RemnantSearchIndex.h"

void RemnantSearchIndex::rebuild(const QList<RemnantItemPtr> &items)
{
    clear();
    append(items, 0);
}

void RemnantSearchIndex::append(const QList<RemnantItemPtr> &items, qsizetype first)
{
    for (qsizetype row = first; row < items.size(); ++row) {
        if (items[row])
            m_text += items[row]->searchText();
        m_ends.push_back(m_text.size());
        m_text += '\0';
    }
}

void RemnantSearchIndex::clear()
{
    m_text.clear();
    m_ends.clear();
}

std::vector<bool> RemnantSearchIndex::matches(std::string_view lowerQueryUtf8) const
{
    if (lowerQueryUtf8.empty() || lowerQueryUtf8.find_first_of(std::string_view("\n\0", 2)) != std::string_view::npos)
        return {};
    std::vector<bool> found(m_ends.size(), false);
    const std::string_view text(m_text);
    std::size_t row = 0;
    for (std::size_t at = text.find(lowerQueryUtf8); at != std::string_view::npos;) {
        // A hit never spans two records, since the query holds no NUL.
        while (m_ends[row] < at)
            ++row;
        found[row] = true;
        at = text.find(lowerQueryUtf8, m_ends[row] + 1);
    }
    return found;
}
