// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identification/KnownAppMatcher.h"

#include "identification/KnownAppCatalogue.h"

#include <algorithm>
#include <deque>
#include <map>

const KnownAppMatcher &KnownAppMatcher::shared()
{
    static const KnownAppMatcher matcher;
    return matcher;
}

KnownAppMatcher::KnownAppMatcher()
{
    // The keywords' tree: while it grows, each state's transitions are found in a map.
    std::vector<std::map<char16_t, int>> next(1);
    std::vector<int> parents{0};
    std::vector<char16_t> units{0};
    m_firstRows.assign(1, NoRow);
    const auto rows = KnownAppCatalogue::rows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const QString keyword = QString::fromUtf8(rows[row].keyword).toLower();
        if (keyword.isEmpty())
            continue;
        int state = 0;
        for (const QChar c : keyword) {
            const auto [found, created] = next[std::size_t(state)].try_emplace(c.unicode(), int(next.size()));
            if (created) {
                next.emplace_back();
                parents.push_back(state);
                units.push_back(c.unicode());
                m_firstRows.push_back(NoRow);
            }
            state = found->second;
        }
        m_firstRows[std::size_t(state)] = std::min(m_firstRows[std::size_t(state)], row);
    }
    next = {};
    m_edges = AutomatonEdges(parents, units);

    // Breadth-first: failure links point to the longest proper suffix that is also a keyword prefix.
    m_failures.assign(m_firstRows.size(), 0);
    std::deque<int> queue(m_edges.targetsBegin(0), m_edges.targetsEnd(0));
    while (!queue.empty()) {
        const int state = queue.front();
        queue.pop_front();
        const int stateFailure = m_failures[std::size_t(state)];
        m_firstRows[std::size_t(state)] =
            std::min(m_firstRows[std::size_t(state)], m_firstRows[std::size_t(stateFailure)]);
        for (const int *child = m_edges.targetsBegin(state); child != m_edges.targetsEnd(state); ++child) {
            const char16_t unit = units[std::size_t(*child)];
            int failure = stateFailure;
            while (failure != 0 && !m_edges.transition(failure, unit))
                failure = m_failures[std::size_t(failure)];
            m_failures[std::size_t(*child)] = m_edges.transition(failure, unit).value_or(0);
            queue.push_back(*child);
        }
    }
}

int KnownAppMatcher::step(int state, char16_t unit) const
{
    for (;;) {
        if (const auto next = m_edges.transition(state, unit))
            return *next;
        if (state == 0)
            return 0;
        state = m_failures[std::size_t(state)];
    }
}

std::optional<KnownAppMatcher::Match> KnownAppMatcher::firstMatch(QStringView lowerCaseText) const
{
    std::size_t best = NoRow;
    int state = 0;
    for (const QChar c : lowerCaseText) {
        state = step(state, c.unicode());
        best = std::min(best, m_firstRows[std::size_t(state)]);
        if (best == 0)
            break;
    }
    if (best == NoRow)
        return std::nullopt;
    return Match{best, &KnownAppCatalogue::rows()[best]};
}
