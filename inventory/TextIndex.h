// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <vector>

// A set of non-empty texts, each with an integer payload, that answers equality, containment and prefix
// questions with work that depends on the length of the question, not on the number of texts. When several
// texts qualify, any one of them is answered, always the same for the same texts added in the same order.
// Add every text, then call build() once before asking.
//
// Containment of a question in some text goes through the runs of four code units that the texts hold:
// a question with a run that no text has is answered at once, otherwise only the texts that hold its rarest
// run are checked. Questions shorter than a run are looked up among all the texts' short runs.
//
// Texts contained in a question, and texts that a question starts with, are found by one pass over the
// question through an automaton of all the texts, so a long question costs time linear in its length
// whatever the length of the texts.
class TextIndex {
public:
    // Short questions to findContaining need a table of every text's short runs; an index whose callers never
    // ask them can leave it out, and then answers them by looking through the texts.
    enum class ShortQuestions { Indexed, Rare };

    // The questions an index is asked besides find(); it builds only the tables they need, and must not be asked
    // any other.
    enum Question : unsigned {
        Containing = 1,   // findContaining
        ContainedIn = 2,  // findContainedIn
        PrefixOf = 4,     // findPrefixOf
        StartingWith = 8, // findStartingWith
        AllQuestions = 15
    };

    explicit TextIndex(ShortQuestions shortQuestions = ShortQuestions::Indexed, unsigned questions = AllQuestions);

    void add(const QString &text, int payload);
    void build();

    bool isEmpty() const { return m_texts.empty(); }
    std::optional<int> find(const QString &text) const;
    // A text that occurs in `query`: of those that start first in it, the shortest.
    std::optional<int> findContainedIn(QStringView query) const;
    // A text in which `query` occurs.
    std::optional<int> findContaining(QStringView query) const;
    // A text that `query` starts with: the shortest.
    std::optional<int> findPrefixOf(QStringView query) const;
    // A text that starts with `query`.
    std::optional<int> findStartingWith(QStringView query) const;
    // The payloads of every text that occurs in `query`, each text once, in the order in which the texts end in it.
    std::vector<int> findAllContainedIn(QStringView query) const;

private:
    static constexpr qsizetype RunLength = 4;
    static quint64 packed(QStringView run);
    void buildAutomaton();
    std::optional<int> transition(int state, char16_t unit) const;
    // The state after reading `unit` in `state`, falling back along the failure links.
    int step(int state, char16_t unit) const;

    // A state of the automaton stands for a prefix of some text: the root for the empty one.
    struct State {
        int failure = 0;        // the state of the longest proper suffix that is a prefix of some text too
        int text = -1;          // the text that is exactly this prefix
        int longestEnding = -1; // the longest text that this prefix ends with
    };

    // The texts that hold a run of four, in text order: those of m_runKeys[i] are
    // m_runTexts[m_runStarts[i]] up to m_runTexts[m_runStarts[i + 1]].
    struct RunTexts {
        const int *begin = nullptr;
        const int *end = nullptr;
        std::size_t size() const { return std::size_t(end - begin); }
    };
    std::optional<RunTexts> textsWithRun(quint64 run) const;
    void buildRuns();

    ShortQuestions m_shortQuestions;
    unsigned m_questions;
    QHash<QString, int> m_positions;
    std::vector<QString> m_texts;
    std::vector<int> m_payloads;
    QHash<quint64, int> m_shortRuns;
    std::vector<quint64> m_runKeys;
    std::vector<std::uint32_t> m_runStarts;
    std::vector<int> m_runTexts;
    std::vector<int> m_sortedTexts;
    std::vector<State> m_states;
    // The transitions out of state s are m_edgeUnits[m_edgeStarts[s]] up to m_edgeUnits[m_edgeStarts[s + 1]], sorted by
    // code unit, leading to the states at the same places of m_edgeTargets: a few bytes for each, where the texts of a
    // large inventory make hundreds of thousands.
    std::vector<std::uint32_t> m_edgeStarts;
    std::vector<char16_t> m_edgeUnits;
    std::vector<int> m_edgeTargets;
    qsizetype m_longest = 0;
};
