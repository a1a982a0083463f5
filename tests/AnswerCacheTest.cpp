// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identification/AnswerCache.h"

#include <gtest/gtest.h>

TEST(AnswerCache, KeepsEveryNameApartWhateverItsCharactersAndLength)
{
    AnswerCache cache;
    // Latin-1 and wider names in turn, more than fill one block of text, and one name longer than a block.
    const auto name = [](int i) {
        if (i == 700)
            return QString(100000, QChar(0x0436));
        const QString text = QStringLiteral("name %1 caf").arg(i);
        return i % 3 == 0   ? text + QChar(0x00E9)
               : i % 3 == 1 ? text + QChar(0x0436)
                            : text + QChar(0xD83D) + QChar(0xDE00);
    };
    constexpr int Names = 20000;
    for (int i = 0; i < Names; ++i)
        cache.store(name(i), AnswerCache::Held{std::uint32_t(i), 1000 + i / 100});
    cache.store(name(5), AnswerCache::Held{7, 99});
    EXPECT_EQ(cache.size(), Names);
    for (int i = 0; i < Names; ++i) {
        const auto held = cache.find(name(i));
        ASSERT_TRUE(held) << i;
        EXPECT_EQ(held->answer, i == 5 ? 7u : std::uint32_t(i));
        EXPECT_EQ(held->computedAt, i == 5 ? 99 : 1000 + i / 100);
    }
    EXPECT_FALSE(cache.find(u"name 1 caf"));
    EXPECT_FALSE(cache.find(QStringLiteral("name 0 caf") + QChar(0x0436)));
    cache.clear();
    EXPECT_EQ(cache.size(), 0);
    EXPECT_FALSE(cache.find(name(1)));
}
