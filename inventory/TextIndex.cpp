// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inventory/TextIndex.h"

#include <algorithm>
#include <numeric>

quint64 TextIndex::packed(QStringView run)
{
    // Up to four UTF-16 code units fill 64 bits exactly; shorter runs are kept in their own table, where the
    // length in the top bits keeps "a" and "a\0" apart.
    quint64 value = 0;
    for (const QChar c : run)
        value = (value << 16) | c.unicode();
    if (run.size() < RunLength)
        value |= quint64(run.size()) << 60;
    return value;
}

TextIndex::TextIndex(ShortQuestions shortQuestions, unsigned questions)
    : m_shortQuestions(shortQuestions)
    , m_questions(questions)
{}

void TextIndex::add(const QString &text, int payload)
{
    if (text.isEmpty() || m_positions.contains(text))
        return;
    m_positions.insert(text, int(m_texts.size()));
    m_texts.push_back(text);
    m_payloads.push_back(payload);
    m_longest = std::max(m_longest, text.size());
}

void TextIndex::build()
{
    m_shortRuns.clear();
    m_sortedTexts.clear();
    m_states.clear();
    m_edgeStarts.clear();
    m_edgeUnits.clear();
    m_edgeTargets.clear();
    if (m_questions & Containing) {
        buildRuns();
        if (m_shortQuestions == ShortQuestions::Indexed) {
            m_shortRuns.reserve(qsizetype(m_texts.size()) * 8);
            for (int index = 0; index < int(m_texts.size()); ++index) {
                const QString &text = m_texts[std::size_t(index)];
                for (qsizetype start = 0; start < text.size(); ++start) {
                    for (qsizetype length = 1; length < RunLength && start + length <= text.size(); ++length)
                        m_shortRuns.insert(packed(QStringView(text).mid(start, length)), index);
                }
            }
        }
    }
    if (m_questions & StartingWith) {
        m_sortedTexts.resize(m_texts.size());
        std::iota(m_sortedTexts.begin(), m_sortedTexts.end(), 0);
        std::sort(m_sortedTexts.begin(), m_sortedTexts.end(),
                  [this](int a, int b) { return m_texts[std::size_t(a)] < m_texts[std::size_t(b)]; });
    }
    if (m_questions & (ContainedIn | PrefixOf))
        buildAutomaton();
}

void TextIndex::buildRuns()
{
    // Every (run, text) pair once, sorted by run and then text, split into one range of texts per run.
    std::vector<std::pair<quint64, int>> pairs;
    for (int index = 0; index < int(m_texts.size()); ++index) {
        const QString &text = m_texts[std::size_t(index)];
        for (qsizetype start = 0; start + RunLength <= text.size(); ++start)
            pairs.emplace_back(packed(QStringView(text).mid(start, RunLength)), index);
    }
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
    m_runKeys.clear();
    m_runStarts.clear();
    m_runTexts.clear();
    m_runTexts.reserve(pairs.size());
    for (const auto &[run, text] : pairs) {
        if (m_runKeys.empty() || m_runKeys.back() != run) {
            m_runKeys.push_back(run);
            m_runStarts.push_back(std::uint32_t(m_runTexts.size()));
        }
        m_runTexts.push_back(text);
    }
    m_runStarts.push_back(std::uint32_t(m_runTexts.size()));
}

std::optional<TextIndex::RunTexts> TextIndex::textsWithRun(quint64 run) const
{
    const auto it = std::lower_bound(m_runKeys.begin(), m_runKeys.end(), run);
    if (it == m_runKeys.end() || *it != run)
        return std::nullopt;
    const std::size_t at = std::size_t(it - m_runKeys.begin());
    return RunTexts{m_runTexts.data() + m_runStarts[at], m_runTexts.data() + m_runStarts[at + 1]};
}

void TextIndex::buildAutomaton()
{
    // The texts go in in the order of their code units, so that the transition a text may share with those before
    // it is always the latest one made out of its state, and each state's transitions are made in the order of
    // their units.
    std::vector<int> order(m_texts.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [this](int a, int b) {
        const QString &left = m_texts[std::size_t(a)];
        const QString &right = m_texts[std::size_t(b)];
        return std::lexicographical_compare(left.utf16(), left.utf16() + left.size(), right.utf16(),
                                            right.utf16() + right.size());
    });
    m_states.assign(1, State{});
    std::vector<int> parents{0};
    std::vector<char16_t> units{0};
    std::vector<qsizetype> depths{0};
    std::vector<int> latestChild{-1};
    for (const int index : order) {
        const QString &text = m_texts[std::size_t(index)];
        int state = 0;
        for (qsizetype depth = 0; depth < text.size(); ++depth) {
            const char16_t unit = text[depth].unicode();
            const int latest = latestChild[std::size_t(state)];
            if (latest >= 0 && units[std::size_t(latest)] == unit) {
                state = latest;
                continue;
            }
            const int created = int(m_states.size());
            m_states.emplace_back();
            parents.push_back(state);
            units.push_back(unit);
            depths.push_back(depth + 1);
            latestChild.push_back(-1);
            latestChild[std::size_t(state)] = created;
            state = created;
        }
        m_states[std::size_t(state)].text = index;
    }
    latestChild = {};

    // Each state's transitions together, in the order they were made.
    m_edgeStarts.assign(m_states.size() + 1, 0);
    for (std::size_t state = 1; state < m_states.size(); ++state)
        ++m_edgeStarts[std::size_t(parents[state]) + 1];
    std::partial_sum(m_edgeStarts.begin(), m_edgeStarts.end(), m_edgeStarts.begin());
    m_edgeUnits.resize(m_states.size() - 1);
    m_edgeTargets.resize(m_states.size() - 1);
    std::vector<std::uint32_t> filled(m_edgeStarts.begin(), m_edgeStarts.end() - 1);
    for (std::size_t state = 1; state < m_states.size(); ++state) {
        const std::uint32_t at = filled[std::size_t(parents[state])]++;
        m_edgeUnits[at] = units[state];
        m_edgeTargets[at] = int(state);
    }

    // Shallower states first: a failure link always leads to a shallower state, whose own link is then known.
    std::vector<int> byDepth(m_states.size() - 1);
    std::iota(byDepth.begin(), byDepth.end(), 1);
    std::stable_sort(byDepth.begin(), byDepth.end(),
                     [&](int a, int b) { return depths[std::size_t(a)] < depths[std::size_t(b)]; });
    for (const int state : byDepth) {
        const int parent = parents[std::size_t(state)];
        int failure = 0;
        if (parent != 0) {
            for (int fallback = m_states[std::size_t(parent)].failure;;
                 fallback = m_states[std::size_t(fallback)].failure) {
                if (const auto next = transition(fallback, units[std::size_t(state)])) {
                    failure = *next;
                    break;
                }
                if (fallback == 0)
                    break;
            }
        }
        State &current = m_states[std::size_t(state)];
        current.failure = failure;
        current.longestEnding = current.text >= 0 ? current.text : m_states[std::size_t(failure)].longestEnding;
    }
}

std::optional<int> TextIndex::transition(int state, char16_t unit) const
{
    const auto begin = m_edgeUnits.begin() + std::ptrdiff_t(m_edgeStarts[std::size_t(state)]);
    const auto end = m_edgeUnits.begin() + std::ptrdiff_t(m_edgeStarts[std::size_t(state) + 1]);
    const auto it = std::lower_bound(begin, end, unit);
    if (it == end || *it != unit)
        return std::nullopt;
    return m_edgeTargets[std::size_t(it - m_edgeUnits.begin())];
}

int TextIndex::step(int state, char16_t unit) const
{
    for (;;) {
        if (const auto next = transition(state, unit))
            return *next;
        if (state == 0)
            return 0;
        state = m_states[std::size_t(state)].failure;
    }
}

std::optional<int> TextIndex::find(const QString &text) const
{
    const auto it = m_positions.constFind(text);
    if (it == m_positions.cend())
        return std::nullopt;
    return m_payloads[std::size_t(it.value())];
}

std::optional<int> TextIndex::findContainedIn(QStringView query) const
{
    Q_ASSERT(m_questions & ContainedIn);
    // The longest text ending at a position starts first among those ending there, so the text that starts
    // first in the whole question is met at the first position where one of those texts ends, and it is then
    // the shortest of them.
    if (m_states.empty())
        return std::nullopt;
    int state = 0;
    std::optional<int> found;
    qsizetype foundStart = 0;
    for (qsizetype end = 0; end < query.size(); ++end) {
        // A text that ends here and starts before the one found would be longer than any text.
        if (found && end - foundStart >= m_longest)
            break;
        state = step(state, query[end].unicode());
        const int text = m_states[std::size_t(state)].longestEnding;
        if (text < 0)
            continue;
        const qsizetype start = end + 1 - m_texts[std::size_t(text)].size();
        if (!found || start < foundStart) {
            found = text;
            foundStart = start;
        }
    }
    if (!found)
        return std::nullopt;
    return m_payloads[std::size_t(*found)];
}

std::optional<int> TextIndex::findContaining(QStringView query) const
{
    Q_ASSERT(m_questions & Containing);
    if (query.isEmpty() || query.size() > m_longest)
        return std::nullopt;
    if (query.size() < RunLength && m_shortQuestions == ShortQuestions::Rare) {
        for (std::size_t index = 0; index < m_texts.size(); ++index) {
            if (m_texts[index].contains(query))
                return m_payloads[index];
        }
        return std::nullopt;
    }
    if (query.size() < RunLength) {
        const auto it = m_shortRuns.constFind(packed(query));
        if (it == m_shortRuns.cend())
            return std::nullopt;
        return m_payloads[std::size_t(it.value())];
    }
    std::optional<RunTexts> rarest;
    for (qsizetype start = 0; start + RunLength <= query.size(); ++start) {
        const auto texts = textsWithRun(packed(query.mid(start, RunLength)));
        if (!texts)
            return std::nullopt;
        if (!rarest || texts->size() < rarest->size())
            rarest = texts;
    }
    for (const int *index = rarest->begin; index != rarest->end; ++index) {
        if (m_texts[std::size_t(*index)].contains(query))
            return m_payloads[std::size_t(*index)];
    }
    return std::nullopt;
}

std::optional<int> TextIndex::findPrefixOf(QStringView query) const
{
    Q_ASSERT(m_questions & PrefixOf);
    if (m_states.empty())
        return std::nullopt;
    int state = 0;
    for (const QChar unit : query) {
        const auto next = transition(state, unit.unicode());
        if (!next)
            return std::nullopt;
        state = *next;
        if (const int text = m_states[std::size_t(state)].text; text >= 0)
            return m_payloads[std::size_t(text)];
    }
    return std::nullopt;
}

std::optional<int> TextIndex::findStartingWith(QStringView query) const
{
    Q_ASSERT(m_questions & StartingWith);
    if (query.isEmpty())
        return std::nullopt;
    const auto it =
        std::lower_bound(m_sortedTexts.begin(), m_sortedTexts.end(), query, [this](int text, QStringView value) {
            return QStringView(m_texts[std::size_t(text)]) < value;
        });
    if (it == m_sortedTexts.end() || !m_texts[std::size_t(*it)].startsWith(query))
        return std::nullopt;
    return m_payloads[std::size_t(*it)];
}

std::vector<int> TextIndex::findAllContainedIn(QStringView query) const
{
    std::vector<int> found;
    std::vector<int> texts;
    if (m_states.empty())
        return found;
    int state = 0;
    for (const QChar unit : query) {
        state = step(state, unit.unicode());
        // Every text ending here is the prefix of a state on the failure chain.
        for (int ending = state; ending != 0; ending = m_states[std::size_t(ending)].failure) {
            const int text = m_states[std::size_t(ending)].text;
            if (text >= 0 && std::find(texts.begin(), texts.end(), text) == texts.end()) {
                texts.push_back(text);
                found.push_back(m_payloads[std::size_t(text)]);
            }
        }
    }
    return found;
}
