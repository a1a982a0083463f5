// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/SystemNames.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

TEST(SystemNames, ItemNamesByEqualityAndPrefixes)
{
    for (const char *name : {"Safari", "safari", "SAFARI", "com.apple.Safari.plist", "COM.APPLE.finder",
                             "com.Apple.Foo", "com.iCloud.photos", "com.apple", "NGL"})
        EXPECT_TRUE(SystemNames::isSystemItem(QString::fromUtf8(name))) << name;
    for (const char *name : {"Safari Extensions", "org.apple.x", "com.applesoft", "", "Apples"})
        EXPECT_FALSE(SystemNames::isSystemItem(QString::fromUtf8(name))) << name;
}

TEST(SystemNames, BundleIdentifiersByPrefix)
{
    EXPECT_TRUE(SystemNames::isSystemBundleIdentifier(QStringLiteral("com.apple.mdworker")));
    EXPECT_TRUE(SystemNames::isSystemBundleIdentifier(QStringLiteral("COM.OSXFUSE.filesystems")));
    EXPECT_TRUE(SystemNames::isSystemBundleIdentifier(QStringLiteral("com.itunes.helper")));
    EXPECT_FALSE(SystemNames::isSystemBundleIdentifier(QStringLiteral("org.apple.x")));
    EXPECT_FALSE(SystemNames::isSystemBundleIdentifier(QStringLiteral("com.apple")));
    EXPECT_TRUE(SystemNames::isGenericBundleWord(QStringLiteral("application")));
    EXPECT_FALSE(SystemNames::isGenericBundleWord(QStringLiteral("Application")));
}
