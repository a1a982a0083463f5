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
    if (text.isEmpty() || m_positions.find(text, Texts{m_texts}))
        return;
    m_texts.push_back(text);
    m_positions.add(text, std::uint32_t(m_texts.size() - 1), Texts{m_texts});
    m_payloads.push_back(payload);
    m_longest = std::max(m_longest, text.size());
}

void TextIndex::build()
{
    m_texts.shrink_to_fit();
    m_payloads.shrink_to_fit();
    m_shortRuns.clear();
    m_sortedTexts.clear();
    m_stateTexts.clear();
    m_failures.clear();
    m_longestEndings.clear();
    m_edges = {};
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
    if (m_questions & (StartingWith | PrefixOf)) {
        m_sortedTexts.resize(m_texts.size());
        std::iota(m_sortedTexts.begin(), m_sortedTexts.end(), 0);
        std::sort(m_sortedTexts.begin(), m_sortedTexts.end(),
                  [this](int a, int b) { return m_texts[std::size_t(a)] < m_texts[std::size_t(b)]; });
    }
    if (m_questions & ContainedIn)
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
    int previous = 0;
    for (const auto &[run, text] : pairs) {
        if (m_runKeys.empty() || m_runKeys.back() != run) {
            m_runKeys.push_back(run);
            m_runStarts.push_back(std::uint32_t(m_runTexts.size()));
            previous = 0;
        }
        for (auto distance = std::uint32_t(text - previous);; distance >>= 7) {
            if (distance < 0x80) {
                m_runTexts.push_back(std::uint8_t(distance));
                break;
            }
            m_runTexts.push_back(std::uint8_t(distance | 0x80));
        }
        previous = text;
    }
    m_runStarts.push_back(std::uint32_t(m_runTexts.size()));
    m_runKeys.shrink_to_fit();
    m_runStarts.shrink_to_fit();
    m_runTexts.shrink_to_fit();
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
    m_stateTexts.assign(1, -1);
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
            const int created = int(m_stateTexts.size());
            m_stateTexts.push_back(-1);
            parents.push_back(state);
            units.push_back(unit);
            depths.push_back(depth + 1);
            latestChild.push_back(-1);
            latestChild[std::size_t(state)] = created;
            state = created;
        }
        m_stateTexts[std::size_t(state)] = index;
    }
    latestChild = {};
    m_stateTexts.shrink_to_fit();
    const std::size_t states = m_stateTexts.size();

    m_edges = AutomatonEdges(parents, units);

    // Shallower states first: a failure link always leads to a shallower state, whose own link is then known.
    m_failures.assign(states, 0);
    m_longestEndings.assign(states, -1);
    std::vector<int> byDepth(states - 1);
    std::iota(byDepth.begin(), byDepth.end(), 1);
    std::stable_sort(byDepth.begin(), byDepth.end(),
                     [&](int a, int b) { return depths[std::size_t(a)] < depths[std::size_t(b)]; });
    for (const int state : byDepth) {
        const int parent = parents[std::size_t(state)];
        int failure = 0;
        if (parent != 0) {
            for (int fallback = m_failures[std::size_t(parent)];; fallback = m_failures[std::size_t(fallback)]) {
                if (const auto next = m_edges.transition(fallback, units[std::size_t(state)])) {
                    failure = *next;
                    break;
                }
                if (fallback == 0)
                    break;
            }
        }
        const int text = m_stateTexts[std::size_t(state)];
        m_failures[std::size_t(state)] = failure;
        m_longestEndings[std::size_t(state)] = text >= 0 ? text : m_longestEndings[std::size_t(failure)];
    }
}

int TextIndex::step(int state, char16_t unit) const
{
    for (;;) {
        if (const auto next = m_edges.transition(state, unit))
            return *next;
        if (state == 0)
            return 0;
        state = m_failures[std::size_t(state)];
    }
}

std::optional<int> TextIndex::find(const QString &text) const
{
    const auto position = m_positions.find(text, Texts{m_texts});
    if (!position)
        return std::nullopt;
    return m_payloads[*position];
}

std::optional<int> TextIndex::findContainedIn(QStringView query) const
{
    Q_ASSERT(m_questions & ContainedIn);
    // The longest text ending at a position starts first among those ending there, so the text that starts
    // first in the whole question is met at the first position where one of those texts ends, and it is then
    // the shortest of them.
    if (m_stateTexts.empty())
        return std::nullopt;
    int state = 0;
    std::optional<int> found;
    qsizetype foundStart = 0;
    for (qsizetype end = 0; end < query.size(); ++end) {
        // A text that ends here and starts before the one found would be longer than any text.
        if (found && end - foundStart >= m_longest)
            break;
        state = step(state, query[end].unicode());
        const int text = m_longestEndings[std::size_t(state)];
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
    // A text that holds the question holds each of its runs, so whichever run is walked, the first such text in
    // text order is the same.
    std::uint32_t text = 0;
    for (const std::uint8_t *at = rarest->begin; at != rarest->end;) {
        std::uint32_t distance = 0;
        for (int shift = 0;; shift += 7) {
            const std::uint8_t byte = *at++;
            distance |= std::uint32_t(byte & 0x7f) << shift;
            if (!(byte & 0x80))
                break;
        }
        text += distance;
        if (m_texts[text].contains(query))
            return m_payloads[text];
    }
    return std::nullopt;
}

std::optional<int> TextIndex::findPrefixOf(QStringView query) const
{
    Q_ASSERT(m_questions & PrefixOf);
    // In the sorted texts, those that start with the first `depth` units of the question lie together, ordered by
    // their next unit, and of those that go on with the question's next unit, the one that ends there comes first.
    auto begin = m_sortedTexts.begin();
    auto end = m_sortedTexts.end();
    for (qsizetype depth = 0; depth < query.size() && begin != end; ++depth) {
        const char16_t unit = query[depth].unicode();
        const auto unitOf = [this, depth](int text) {
            return m_texts[std::size_t(text)][depth].unicode();
        };
        begin = std::lower_bound(begin, end, unit, [&](int text, char16_t value) { return unitOf(text) < value; });
        end = std::upper_bound(begin, end, unit, [&](char16_t value, int text) { return value < unitOf(text); });
        if (begin == end)
            break;
        if (m_texts[std::size_t(*begin)].size() == depth + 1)
            return m_payloads[std::size_t(*begin)];
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
    Q_ASSERT(m_questions & ContainedIn);
    std::vector<int> found;
    std::vector<int> texts;
    if (m_stateTexts.empty())
        return found;
    int state = 0;
    for (const QChar unit : query) {
        state = step(state, unit.unicode());
        // Every text ending here is the prefix of a state on the failure chain.
        for (int ending = state; ending != 0; ending = m_failures[std::size_t(ending)]) {
            const int text = m_stateTexts[std::size_t(ending)];
            if (text >= 0 && std::find(texts.begin(), texts.end(), text) == texts.end()) {
                texts.push_back(text);
                found.push_back(m_payloads[std::size_t(text)]);
            }
        }
    }
    return found;
}
