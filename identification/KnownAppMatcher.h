// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "identification/KnownApp.h"

#include <QHash>
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
    struct State {
        QHash<char16_t, int> next;
        int failure = 0;
        std::size_t firstRow = NoRow; // the lowest row whose keyword ends here or at a state on the failure chain
    };

    int step(int state, char16_t unit) const;

    std::vector<State> m_states;
};
