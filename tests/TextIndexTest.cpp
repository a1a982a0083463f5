// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inventory/TextIndex.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QHash>
#include <QSet>
#include <random>

namespace {

// Each question asked of an index against the same question asked of every text in turn.
class TextIndexAgainstWalking {
public:
    explicit TextIndexAgainstWalking(TextIndex::ShortQuestions shortQuestions)
        : m_index(shortQuestions)
    {}

    // An empty text is left out; a text added again keeps its first payload.
    void add(const QString &text)
    {
        if (!text.isEmpty() && !m_positions.contains(text)) {
            m_positions.insert(text, int(m_texts.size()));
            m_texts.append(text);
        }
        m_index.add(text, m_positions.value(text, -1));
    }
    void build() { m_index.build(); }

    void ask(const QString &query) const
    {
        SCOPED_TRACE(query.toStdString());
        const auto text = [this](std::optional<int> payload) {
            return payload ? m_texts[*payload] : QString();
        };
        EXPECT_EQ(text(m_index.find(query)), m_positions.contains(query) ? query : QString());

        QString contained;
        qsizetype containedAt = query.size();
        QString prefix;
        QSet<QString> allContained;
        bool containing = false;
        bool startingWith = false;
        for (const QString &candidate : m_texts) {
            const qsizetype at = query.indexOf(candidate);
            if (at >= 0) {
                allContained.insert(candidate);
                if (at < containedAt || (at == containedAt && candidate.size() < contained.size())) {
                    contained = candidate;
                    containedAt = at;
                }
            }
            if (query.startsWith(candidate) && (prefix.isEmpty() || candidate.size() < prefix.size()))
                prefix = candidate;
            containing = containing || (!query.isEmpty() && candidate.contains(query));
            startingWith = startingWith || (!query.isEmpty() && candidate.startsWith(query));
        }
        EXPECT_EQ(text(m_index.findContainedIn(query)), contained);
        EXPECT_EQ(text(m_index.findPrefixOf(query)), prefix);
        const auto found = m_index.findContaining(query);
        EXPECT_EQ(found.has_value(), containing);
        EXPECT_TRUE(!found || text(found).contains(query));
        const auto starting = m_index.findStartingWith(query);
        EXPECT_EQ(starting.has_value(), startingWith);
        EXPECT_TRUE(!starting || text(starting).startsWith(query));
        QSet<QString> all;
        for (const int payload : m_index.findAllContainedIn(query))
            all.insert(m_texts[payload]);
        EXPECT_EQ(all, allContained);
    }

private:
    TextIndex m_index;
    QStringList m_texts;
    QHash<QString, int> m_positions;
};

} // namespace

TEST(TextIndex, AnswersAsWalkingEveryTextWould)
{
    // Enough texts that the lists of texts holding a run span more than two bytes' worth of distance.
    std::mt19937 random(11);
    const QString letters = QString::fromUtf8("abcd.\xD0\xB6");
    const auto word = [&](int minimum, int maximum) {
        QString text;
        for (int i = std::uniform_int_distribution<int>(minimum, maximum)(random); i > 0; --i)
            text += letters[std::uniform_int_distribution<qsizetype>(0, letters.size() - 1)(random)];
        return text;
    };
    for (const auto shortQuestions : {TextIndex::ShortQuestions::Indexed, TextIndex::ShortQuestions::Rare}) {
        TextIndexAgainstWalking index(shortQuestions);
        index.add(QStringLiteral("zzzzy"));
        for (int i = 0; i < 20000; ++i)
            index.add(word(1, 9));
        index.add(QStringLiteral("zzzzq"));
        index.add(QString());
        index.build();
        // The only text with the run "zzzq" is twenty thousand texts after the start.
        for (const QString &query : {QStringLiteral("zzzzq"), QStringLiteral("xzzzzqx"), QString()})
            index.ask(query);
        for (int i = 0; i < 150; ++i)
            index.ask(word(1, 14));
    }
}
