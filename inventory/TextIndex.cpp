#include "inventory/TextIndex.h"

#include <algorithm>

void TextIndex::add(const QString &text, int payload) {
    if (text.isEmpty() || m_positions.contains(text))
        return;
    m_positions.insert(text, int(m_texts.size()));
    m_texts.push_back(text);
    m_payloads.push_back(payload);
    m_longest = std::max(m_longest, text.size());
}

void TextIndex::build() {
    m_suffixes.clear();
    m_sortedTexts.clear();
    for (int text = 0; text < int(m_texts.size()); ++text) {
        m_sortedTexts.push_back(text);
        for (int offset = 0; offset < int(m_texts[std::size_t(text)].size()); ++offset)
            m_suffixes.push_back(Suffix{text, offset});
    }
    std::sort(m_suffixes.begin(), m_suffixes.end(),
              [this](const Suffix &a, const Suffix &b) { return suffixText(a) < suffixText(b); });
    std::sort(m_sortedTexts.begin(), m_sortedTexts.end(),
              [this](int a, int b) { return m_texts[std::size_t(a)] < m_texts[std::size_t(b)]; });
}

QStringView TextIndex::suffixText(const Suffix &suffix) const {
    return QStringView(m_texts[std::size_t(suffix.text)]).mid(suffix.offset);
}

std::optional<int> TextIndex::find(const QString &text) const {
    const auto it = m_positions.constFind(text);
    if (it == m_positions.cend())
        return std::nullopt;
    return m_payloads[std::size_t(it.value())];
}

std::optional<int> TextIndex::findContainedIn(QStringView query) const {
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

std::optional<int> TextIndex::findContaining(QStringView query) const {
    if (query.isEmpty())
        return std::nullopt;
    // Every suffix that starts with the query sorts at or just after the query itself.
    const auto it =
        std::lower_bound(m_suffixes.begin(), m_suffixes.end(), query,
                         [this](const Suffix &suffix, QStringView text) { return suffixText(suffix) < text; });
    if (it == m_suffixes.end() || !suffixText(*it).startsWith(query))
        return std::nullopt;
    return m_payloads[std::size_t(it->text)];
}

std::optional<int> TextIndex::findPrefixOf(QStringView query) const {
    QString piece;
    for (qsizetype length = 1; length <= std::min(query.size(), m_longest); ++length) {
        piece.setRawData(query.data(), length);
        const auto it = m_positions.constFind(piece);
        if (it != m_positions.cend())
            return m_payloads[std::size_t(it.value())];
    }
    return std::nullopt;
}

std::optional<int> TextIndex::findStartingWith(QStringView query) const {
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
