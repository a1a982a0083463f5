// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// The transitions of an automaton over UTF-16 code units whose states form a tree: each state but the root, state 0,
// is reached from one parent by one unit. The transitions out of a state lie together, sorted by unit, a few bytes
// each, where a table per state would take a hundred.
class AutomatonEdges {
public:
    AutomatonEdges() = default;
    // `parents[s]` and `units[s]` tell how state s is reached; the entries for the root are ignored.
    AutomatonEdges(const std::vector<int> &parents, const std::vector<char16_t> &units);

    std::optional<int> transition(int state, char16_t unit) const;
    std::size_t stateCount() const { return m_starts.empty() ? 0 : m_starts.size() - 1; }
    // The states reached from `state`, in the order of their units.
    const int *targetsBegin(int state) const { return m_targets.data() + m_starts[std::size_t(state)]; }
    const int *targetsEnd(int state) const { return m_targets.data() + m_starts[std::size_t(state) + 1]; }

private:
    // The transitions out of state s are m_units[m_starts[s]] up to m_units[m_starts[s + 1]], leading to the states
    // at the same places of m_targets.
    std::vector<std::uint32_t> m_starts;
    std::vector<char16_t> m_units;
    std::vector<int> m_targets;
};
