// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>
#include <string_view>

// The names that belong to the operating system itself: its bundle-identifier prefixes and the Library
// entry names it owns. They are never offered as leftovers and never taken for installed applications.
class SystemNames {
public:
    static constexpr std::array<std::string_view, 5> SystemBundlePrefixes{"com.apple.", "com.Apple.", "com.iTunes",
                                                                          "com.iCloud", "com.osxfuse"};
    // Parts of a bundle identifier that say nothing about the product.
    static constexpr std::array<std::string_view, 6> GenericBundleWords{"com", "org",  "net",
                                                                        "app", "apps", "application"};
    static constexpr std::array<std::string_view, 28> SystemItemNames{"Apple",
                                                                      "com.apple",
                                                                      "AddressBook",
                                                                      "CallHistoryDB",
                                                                      "CallHistoryTransactions",
                                                                      "CloudDocs",
                                                                      "CoreData",
                                                                      "DataDetectors",
                                                                      "GeoServices",
                                                                      "HomeKit",
                                                                      "iCloud",
                                                                      "iTunes",
                                                                      "Maps",
                                                                      "MobileMeAccounts",
                                                                      "NetworkExtension",
                                                                      "Safari",
                                                                      "Siri",
                                                                      "Stocks",
                                                                      "Suggestions",
                                                                      "SyncServices",
                                                                      "Wallet",
                                                                      "WidgetKit",
                                                                      "NotificationCenter",
                                                                      "Passwords",
                                                                      "PassKit",
                                                                      "MediaAnalysis",
                                                                      "Knowledge",
                                                                      "NGL"};

    // True when the lower-cased identifier starts with one of the system prefixes.
    static bool isSystemBundleIdentifier(const QString &identifier);
    // True when the lower-cased entry name equals a system item name or starts with a system prefix.
    static bool isSystemItem(const QString &name);
    // True when the lower-cased word is one of the generic bundle-identifier words.
    static bool isGenericBundleWord(const QString &lowerCaseWord);
};
