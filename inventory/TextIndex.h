// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "inventory/AutomatonEdges.h"
#include "inventory/TextPositions.h"

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
// Texts contained in a question are found by one pass over the question through an automaton of all the texts,
// so a long question costs time linear in its length whatever the length of the texts. Texts that a question starts
// with, and texts that start with a question, are found by halving the sorted texts.
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
    // The state after reading `unit` in `state`, falling back along the failure links.
    int step(int state, char16_t unit) const;

    // Reads the texts for the table of positions.
    struct Texts {
        const std::vector<QString> &texts;
        bool equals(std::uint32_t position, QStringView text) const { return texts[position] == text; }
        std::size_t hash(std::uint32_t position, std::size_t seed) const { return qHash(texts[position], seed); }
    };

    // The texts that hold a run of four, in text order: those of m_runKeys[i] are written in
    // m_runTexts[m_runStarts[i]] up to m_runTexts[m_runStarts[i + 1]], each as its distance from the one before (the
    // first from 0) in seven-bit groups, the lowest first, all but the last with the top bit set. Most lists hold
    // texts close to each other, so a text mostly takes one byte where its number would take four.
    struct RunTexts {
        const std::uint8_t *begin = nullptr;
        const std::uint8_t *end = nullptr;
        // Fewer bytes, fewer texts: a measure of how rare the run is.
        std::size_t size() const { return std::size_t(end - begin); }
    };
    std::optional<RunTexts> textsWithRun(quint64 run) const;
    void buildRuns();

    ShortQuestions m_shortQuestions;
    unsigned m_questions;
    TextPositions m_positions;
    std::vector<QString> m_texts;
    std::vector<int> m_payloads;
    QHash<quint64, int> m_shortRuns;
    std::vector<quint64> m_runKeys;
    std::vector<std::uint32_t> m_runStarts;
    std::vector<std::uint8_t> m_runTexts;
    std::vector<int> m_sortedTexts;
    // A state of the automaton stands for a prefix of some text: the root, state 0, for the empty one. By state: the
    // text that is exactly its prefix, the state of the longest proper suffix that is a prefix of some text too, and
    // the longest text that its prefix ends with.
    std::vector<int> m_stateTexts;
    std::vector<int> m_failures;
    std::vector<int> m_longestEndings;
    AutomatonEdges m_edges;
    qsizetype m_longest = 0;
};
