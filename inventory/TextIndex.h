#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

// A set of non-empty texts, each with an integer payload, that answers equality, containment and prefix
// questions with work that depends on the length of the question, not on the number of texts. When several
// texts qualify, any one of them is answered. Add every text, then call build() once before asking.
//
// Containment of a question in some text goes through the runs of four code units that the texts hold:
// a question with a run that no text has is answered at once, otherwise only the texts that hold its rarest
// run are checked. Questions shorter than a run are looked up among all the texts' short runs.
class TextIndex {
public:
    // Short questions to findContaining need a table of every text's short runs; an index whose callers never
    // ask them can leave it out, and then answers them by looking through the texts.
    enum class ShortQuestions { Indexed, Rare };

    explicit TextIndex(ShortQuestions shortQuestions = ShortQuestions::Indexed);

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
    static constexpr qsizetype RunLength = 4;
    static quint64 packed(QStringView run);

    ShortQuestions m_shortQuestions;
    QHash<QString, int> m_positions;
    std::vector<QString> m_texts;
    std::vector<int> m_payloads;
    QHash<quint64, int> m_shortRuns;
    QHash<quint64, std::vector<int>> m_runs;
    std::vector<int> m_sortedTexts;
    qsizetype m_longest = 0;
};
