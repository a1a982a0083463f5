// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "identification/KnownApp.h"
#include "inventory/AutomatonEdges.h"

#include <QString>
#include <optional>
#include <vector>

// Finds the first catalogue row, in row order, whose lower-cased keyword occurs in a lower-cased text.
// One automaton over all keywords reads the text once instead of testing every row in turn.
class KnownAppMatcher {
public:
    struct Match {
        std::size_t row;
        const KnownApp *app;
    };

    static const KnownAppMatcher &shared();

    std::optional<Match> firstMatch(QStringView lowerCaseText) const;

private:
    KnownAppMatcher();

    static constexpr std::size_t NoRow = std::size_t(-1);

    int step(int state, char16_t unit) const;

    // By state: the state of the longest proper suffix that is also a keyword prefix, and the lowest row whose keyword
    // ends here or at a state on that failure chain.
    std::vector<int> m_failures;
    std::vector<std::size_t> m_firstRows;
    AutomatonEdges m_edges;
};
