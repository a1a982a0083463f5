// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inventory/ApplicationSupportMatcher.h"
#include "InventoryAssertions.h"
#include "model/TextMetrics.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// What a walk of the inventory in any order may tie a folder to: any record matching by name when there is
// one, else any record matching by an identifier part, else nothing.
std::vector<InstalledApp> acceptableMatches(const Inventory &inventory, const QString &folder)
{
    std::vector<InstalledApp> byName;
    std::vector<InstalledApp> byPart;
    for (auto it = inventory.cbegin(); it != inventory.cend(); ++it) {
        if (it.key().startsWith(QStringLiteral("appsupport:")))
            continue;
        const QString name = it.value().name.toLower();
        if (!name.isEmpty() && (folder.contains(name) || name.contains(folder))) {
            byName.push_back(it.value());
            continue;
        }
        for (const QString &part : it.value().bundleID.split(u'.')) {
            if (TextMetrics::characterCount(part) >= 5 && folder.contains(part.toLower())) {
                byPart.push_back(it.value());
                break;
            }
        }
    }
    return byName.empty() ? byPart : byName;
}

QString randomText(std::mt19937 &random, const char *alphabet, int minimum, int maximum)
{
    const int length = std::uniform_int_distribution<int>(minimum, maximum)(random);
    const int letters = int(std::strlen(alphabet));
    QString text;
    for (int i = 0; i < length; ++i)
        text.append(QChar(alphabet[std::uniform_int_distribution<int>(0, letters - 1)(random)]));
    return text;
}

} // namespace

TEST(ApplicationSupportMatcher, AgreesWithAWalkOfTheInventoryInSomeOrder)
{
    std::mt19937 random(20261206);
    for (int round = 0; round < 300; ++round) {
        Inventory inventory;
        const int records = std::uniform_int_distribution<int>(0, 12)(random);
        for (int i = 0; i < records; ++i) {
            InstalledApp record{randomText(random, "abcAB", 0, 6), randomText(random, "abc.", 1, 14),
                                QByteArray::number(i), std::nullopt};
            inventory.insert(QStringLiteral("key%1").arg(i), record);
            if (i % 3 == 0)
                inventory.insert(QStringLiteral("appsupport:x%1").arg(i),
                                 InstalledApp{QStringLiteral("abc"), QStringLiteral("aaaaa"), "appsupport", {}});
        }
        const ApplicationSupportMatcher matcher(inventory);
        for (int probe = 0; probe < 20; ++probe) {
            const QString folder = randomText(random, "abc.", 1, 9);
            const std::vector<InstalledApp> acceptable = acceptableMatches(inventory, folder);
            const auto found = matcher.match(folder);
            if (acceptable.empty()) {
                EXPECT_FALSE(found) << folder.toStdString();
            } else {
                ASSERT_TRUE(found) << folder.toStdString();
                EXPECT_NE(std::find(acceptable.begin(), acceptable.end(), *found), acceptable.end())
                    << folder.toStdString();
            }
        }
    }
}
