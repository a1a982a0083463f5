// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identification/KnownAppMatcher.h"

#include "identification/KnownAppCatalogue.h"

#include <algorithm>
#include <deque>

const KnownAppMatcher &KnownAppMatcher::shared()
{
    static const KnownAppMatcher matcher;
    return matcher;
}

KnownAppMatcher::KnownAppMatcher()
{
    m_states.emplace_back();
    const auto rows = KnownAppCatalogue::rows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const QString keyword = QString::fromUtf8(rows[row].keyword).toLower();
        if (keyword.isEmpty())
            continue;
        int state = 0;
        for (const QChar c : keyword) {
            const auto found = m_states[std::size_t(state)].next.constFind(c.unicode());
            if (found != m_states[std::size_t(state)].next.cend()) {
                state = found.value();
                continue;
            }
            m_states.emplace_back();
            const int created = int(m_states.size()) - 1;
            m_states[std::size_t(state)].next.insert(c.unicode(), created);
            state = created;
        }
        m_states[std::size_t(state)].firstRow = std::min(m_states[std::size_t(state)].firstRow, row);
    }

    // Breadth-first: failure links point to the longest proper suffix that is also a keyword prefix.
    std::deque<int> queue;
    for (auto it = m_states[0].next.cbegin(); it != m_states[0].next.cend(); ++it)
        queue.push_back(it.value());
    while (!queue.empty()) {
        const int state = queue.front();
        queue.pop_front();
        const State &current = m_states[std::size_t(state)];
        m_states[std::size_t(state)].firstRow =
            std::min(current.firstRow, m_states[std::size_t(current.failure)].firstRow);
        for (auto it = current.next.cbegin(); it != current.next.cend(); ++it) {
            int failure = current.failure;
            while (failure != 0 && !m_states[std::size_t(failure)].next.contains(it.key()))
                failure = m_states[std::size_t(failure)].failure;
            const auto target = m_states[std::size_t(failure)].next.constFind(it.key());
            m_states[std::size_t(it.value())].failure =
                target != m_states[std::size_t(failure)].next.cend() ? target.value() : 0;
            queue.push_back(it.value());
        }
    }
}

int KnownAppMatcher::step(int state, char16_t unit) const
{
    for (;;) {
        const auto found = m_states[std::size_t(state)].next.constFind(unit);
        if (found != m_states[std::size_t(state)].next.cend())
            return found.value();
        if (state == 0)
            return 0;
        state = m_states[std::size_t(state)].failure;
    }
}

std::optional<KnownAppMatcher::Match> KnownAppMatcher::firstMatch(QStringView lowerCaseText) const
{
    std::size_t best = NoRow;
    int state = 0;
    for (const QChar c : lowerCaseText) {
        state = step(state, c.unicode());
        best = std::min(best, m_states[std::size_t(state)].firstRow);
        if (best == 0)
            break;
    }
    if (best == NoRow)
        return std::nullopt;
    return Match{best, &KnownAppCatalogue::rows()[best]};
}
