#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

// A set of non-empty texts, each with an integer payload, that answers equality, containment and prefix
// questions with work that depends on the length of the question, not on the number of texts. When several
// texts qualify, any one of them is answered. Add every text, then call build() once before asking.
class TextIndex {
public:
    void add(const QString &text, int payload);
    void build();

    bool isEmpty() const { return m_texts.empty(); }
    std::optional<int> find(const QString &text) const;
    // A text that occurs in `query`.
    std::optional<int> findContainedIn(QStringView query) const;
    // A text in which `query` occurs.
    std::optional<int> findContaining(QStringView query) const;
    // A text that `query` starts with.
    std::optional<int> findPrefixOf(QStringView query) const;
    // A text that starts with `query`.
    std::optional<int> findStartingWith(QStringView query) const;

private:
    struct Suffix {
        int text;
        int offset;
    };

    QStringView suffixText(const Suffix &suffix) const;

    QHash<QString, int> m_positions;
    std::vector<QString> m_texts;
    std::vector<int> m_payloads;
    std::vector<Suffix> m_suffixes;
    std::vector<int> m_sortedTexts;
    qsizetype m_longest = 0;
};
