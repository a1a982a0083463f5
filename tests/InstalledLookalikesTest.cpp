// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identification/InstalledLookalikes.h"
#include "LogCapture.h"
#include "TempTree.h"
#include "inventory/InstalledAppScanner.h"
#include "platform/PosixPlatform.h"

#include <gtest/gtest.h>

TEST(InstalledLookalikes, NamesTheInstalledAppsThatAnEntryNameAlsoMatches)
{
    TempTree tree;
    tree.makeBundle("Applications/1Password.app", "com.1password.1password");
    tree.makeBundle("Applications/Wavebox.app", "com.bookry.wavebox");
    tree.makeBundle("Applications/Zoom 2024.app", "us.zoom.xos");
    tree.makeBundle("Applications/Docker Desktop.app", "com.docker.docker");
    tree.makeBundle("Applications/Safari.app", "com.apple.Safari");
    // Four applications of one maker: their shared word names the maker, not one of them.
    for (const char *product : {"Aaa", "Bbb", "Ccc", "Ddd"})
        tree.makeBundle(std::string("Applications/Qqvendor ") + product + ".app",
                        std::string("com.qqvendor.") + product);
    tree.makeBundle("Applications/Vvmaker One.app", "com.vvmaker.one");
    // Command-line tools and package-manager formulae are not applications.
    tree.makeFolder("opt/homebrew/Cellar/keepassxc/2.7");
    tree.writeFile("usr/local/bin/tailscale", "#!/bin/sh\n");
    const PosixPlatform platform(tree.root(), tree.path("Users/me"));
    const LogCapture quiet;
    const InstalledLookalikes lookalikes(InstalledAppScanner(platform).scanInstalledApps());

    const struct {
        const char *name;
        const char *label;
        QStringList expected;
    } cases[] = {
        // A shared word: "1password" is in the name and the identifier of the installed app.
        {"2bua8c4s2c.com.1password", nullptr, {"1Password"}},
        // An identifier inside the name or inside the property list's Label.
        {"com.bookry.wavebox.shipit", nullptr, {"Wavebox"}},
        {"zzqx.updater.plist", "com.bookry.wavebox.updater", {"Wavebox"}},
        // "box" and "word" are too short to tell anything, whatever they sit in.
        {"com.box.desktop", nullptr, {}},
        {"com.microsoft.word.plist", nullptr, {}},
        // Words of digits only and generic words are not telling.
        {"backup-2024", nullptr, {}},
        {"com.electron.desktop.helper", nullptr, {}},
        // Several look-alikes are sorted and named once.
        {"com.bookry.wavebox.1password-wavebox", nullptr, {"1Password", "Wavebox"}},
        {"zoom-docker.plist", nullptr, {"Docker Desktop", "Zoom 2024"}},
        {"com.qqvendor.eee", nullptr, {}},
        {"com.qqvendor.bbb.plist", nullptr, {"Qqvendor Bbb"}},
        {"com.vvmaker.two", nullptr, {"Vvmaker One"}},
        // The system's own applications, tools and formulae are never look-alikes.
        {"com.apple.safari.extension-host", nullptr, {}},
        {"safari-bookmarks", nullptr, {}},
        {"keepassxc", nullptr, {}},
        {"tailscale.log", nullptr, {}},
    };
    for (const auto &test : cases) {
        const std::optional<QString> label =
            test.label ? std::optional<QString>(QString::fromUtf8(test.label)) : std::nullopt;
        EXPECT_EQ(lookalikes.find(QString::fromUtf8(test.name), label), test.expected) << test.name;
    }
}
