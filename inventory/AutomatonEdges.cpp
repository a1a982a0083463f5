// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inventory/AutomatonEdges.h"

#include <algorithm>
#include <numeric>

AutomatonEdges::AutomatonEdges(const std::vector<int> &parents, const std::vector<char16_t> &units)
{
    const std::size_t states = parents.size();
    m_starts.assign(states + 1, 0);
    for (std::size_t state = 1; state < states; ++state)
        ++m_starts[std::size_t(parents[state]) + 1];
    std::partial_sum(m_starts.begin(), m_starts.end(), m_starts.begin());
    std::vector<int> targets(states > 0 ? states - 1 : 0);
    std::vector<std::uint32_t> filled(m_starts.begin(), m_starts.end() - 1);
    for (std::size_t state = 1; state < states; ++state)
        targets[filled[std::size_t(parents[state])]++] = int(state);
    filled = {};
    for (std::size_t state = 0; state < states; ++state) {
        std::sort(targets.begin() + std::ptrdiff_t(m_starts[state]),
                  targets.begin() + std::ptrdiff_t(m_starts[state + 1]),
                  [&units](int a, int b) { return units[std::size_t(a)] < units[std::size_t(b)]; });
    }
    m_units.resize(targets.size());
    for (std::size_t edge = 0; edge < targets.size(); ++edge)
        m_units[edge] = units[std::size_t(targets[edge])];
    m_targets = std::move(targets);
}

std::optional<int> AutomatonEdges::transition(int state, char16_t unit) const
{
    const auto begin = m_units.begin() + std::ptrdiff_t(m_starts[std::size_t(state)]);
    const auto end = m_units.begin() + std::ptrdiff_t(m_starts[std::size_t(state) + 1]);
    const auto it = std::lower_bound(begin, end, unit);
    if (it == end || *it != unit)
        return std::nullopt;
    return m_targets[std::size_t(it - m_units.begin())];
}
