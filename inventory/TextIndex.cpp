#include "inventory/TextIndex.h"

#include <algorithm>

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

TextIndex::TextIndex(ShortQuestions shortQuestions)
    : m_shortQuestions(shortQuestions)
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
    m_runs.clear();
    m_sortedTexts.clear();
    for (int index = 0; index < int(m_texts.size()); ++index) {
        const QString &text = m_texts[std::size_t(index)];
        m_sortedTexts.push_back(index);
        for (qsizetype start = 0; start < text.size(); ++start) {
            for (qsizetype length = 1;
                 m_shortQuestions == ShortQuestions::Indexed && length < RunLength && start + length <= text.size();
                 ++length)
                m_shortRuns.insert(packed(QStringView(text).mid(start, length)), index);
            if (start + RunLength <= text.size()) {
                std::vector<int> &texts = m_runs[packed(QStringView(text).mid(start, RunLength))];
                if (texts.empty() || texts.back() != index)
                    texts.push_back(index);
            }
        }
    }
    std::sort(m_sortedTexts.begin(), m_sortedTexts.end(),
              [this](int a, int b) { return m_texts[std::size_t(a)] < m_texts[std::size_t(b)]; });
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
    const qsizetype longest = std::min(query.size(), m_longest);
    QString piece;
    for (qsizetype start = 0; start < query.size(); ++start) {
        for (qsizetype length = 1; length <= longest && start + length <= query.size(); ++length) {
            piece.setRawData(query.data() + start, length);
            const auto it = m_positions.constFind(piece);
            if (it != m_positions.cend())
                return m_payloads[std::size_t(it.value())];
        }
    }
    return std::nullopt;
}

std::optional<int> TextIndex::findContaining(QStringView query) const
{
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
    const std::vector<int> *rarest = nullptr;
    for (qsizetype start = 0; start + RunLength <= query.size(); ++start) {
        const auto it = m_runs.constFind(packed(query.mid(start, RunLength)));
        if (it == m_runs.cend())
            return std::nullopt;
        if (!rarest || it->size() < rarest->size())
            rarest = &it.value();
    }
    for (const int index : *rarest) {
        if (m_texts[std::size_t(index)].contains(query))
            return m_payloads[std::size_t(index)];
    }
    return std::nullopt;
}

std::optional<int> TextIndex::findPrefixOf(QStringView query) const
{
    QString piece;
    for (qsizetype length = 1; length <= std::min(query.size(), m_longest); ++length) {
        piece.setRawData(query.data(), length);
        const auto it = m_positions.constFind(piece);
        if (it != m_positions.cend())
            return m_payloads[std::size_t(it.value())];
    }
    return std::nullopt;
}

std::optional<int> TextIndex::findStartingWith(QStringView query) const
{
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
