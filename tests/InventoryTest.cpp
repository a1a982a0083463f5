// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inventory/Inventory.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

TEST(Inventory, ACopyIsWrittenApartAndKeysKeepTheirFirstPlace)
{
    const InstalledApp first{QStringLiteral("First"), QStringLiteral("org.example.first"), "/a/First.app", {}};
    const InstalledApp second{QStringLiteral("Second"), QStringLiteral("org.example.second"), "/a/Second.app", {}};
    Inventory inventory;
    for (const char *key : {"org.example.first", "name:first", "keyword:first"})
        inventory.insert(QString::fromUtf8(key), first, Inventory::Claim::own);

    Inventory copy = inventory;
    copy.insert(QStringLiteral("keyword:first"), second);
    copy.insert(QStringLiteral("org.example.first"), second, Inventory::Claim::own);
    copy.insert(QStringLiteral("name:second"), second);
    const Inventory moved = std::move(copy);

    EXPECT_EQ(inventory.keys(), (QStringList{"org.example.first", "name:first", "keyword:first"}));
    EXPECT_EQ(inventory.value(QStringLiteral("keyword:first")), first);
    EXPECT_EQ(moved.keys(), (QStringList{"org.example.first", "name:first", "keyword:first", "name:second"}));
    // Another bundle does not take an identifier that a bundle claimed as its own.
    EXPECT_EQ(moved.value(QStringLiteral("org.example.first")), first);
    EXPECT_EQ(moved.value(QStringLiteral("keyword:first")), second);
    EXPECT_EQ(moved.record(3), second);
    EXPECT_EQ(moved.position(QStringLiteral("name:second")), 3);
    EXPECT_FALSE(moved.contains(QStringLiteral("name:third")));
    EXPECT_EQ(moved.value(QStringLiteral("name:third")), InstalledApp());
}
