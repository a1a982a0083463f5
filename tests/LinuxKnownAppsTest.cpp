// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/LinuxKnownApps.h"
#include "QtPrinters.h"
#include "TempTree.h"
#include "linuxdesktop/LinuxInventory.h"
#include "linuxdesktop/LinuxOwnerIdentifier.h"
#include "linuxdesktop/NameKey.h"
#include "platform/PosixPlatform.h"
#include "ui/EvidenceText.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

// Every row is read, names an application installable under at least one name, and writes names that tell whose an
// entry is; a name two rows write belongs to both.
TEST(LinuxKnownApps, EveryRowIsReadAndSound)
{
    for (const LinuxKnownApps::Fault &fault : LinuxKnownApps::faults()) {
        QStringList lines;
        for (const int line : fault.lines)
            lines.append(QString::number(line));
        ADD_FAILURE() << "problem " << int(fault.problem) << " on line " << lines.join(u',').toStdString() << ": "
                      << fault.subject.toStdString();
    }
    const auto apps = LinuxKnownApps::apps();
    EXPECT_GE(apps.size(), 400u);
    QStringList names;
    for (const LinuxKnownApps::App &app : apps) {
        EXPECT_FALSE(names.contains(app.name)) << app.name.toStdString();
        names.append(app.name);
        EXPECT_FALSE(app.packages.isEmpty() && app.flatpaks.isEmpty() && app.snaps.isEmpty()) << app.name.toStdString();
        ASSERT_FALSE(app.places.isEmpty()) << app.name.toStdString();
        for (const QString &place : app.places) {
            const QString name = place.section(u'/', -1);
            EXPECT_TRUE(app.folders.contains(name)) << place.toStdString();
            const auto writer = LinuxKnownApps::writerOf(name);
            ASSERT_TRUE(writer) << place.toStdString();
            EXPECT_TRUE(writer->name == app.name || writer->places.contains(place)) << place.toStdString();
            for (const QString &package : app.packages)
                EXPECT_TRUE(writer->packages.contains(package)) << place.toStdString() << " " << package.toStdString();
        }
    }
    for (const char *generic : {"config", ".config", "data", "cache", ".cache", "share", "state", "settings", ".local",
                                "history", "plugins", "logs", "autostart", "systemd", "Trash", "desktop"})
        EXPECT_FALSE(LinuxKnownApps::writerOf(QString::fromUtf8(generic))) << generic;
}

TEST(LinuxKnownApps, NamesProgramsWriteFindTheirApplication)
{
    struct Case {
        const char *name;
        const char *package; // one of the packages it is installed under
        const char *place;   // where it lives
    };
    const Case cases[] = {
        {"kpatrc", "kpat", ".config/kpatrc"},
        {"Konsolerc", "konsole", ".config/konsolerc"},
        {".vimrc", "vim", "~/.vimrc"},
        {".zsh_history", "zsh", "~/.zsh_history"},
        {".tmux.conf", "tmux", "~/.tmux.conf"},
        {".purple", "libpurple0", "~/.purple"},
        {".debug", "linux-perf", "~/.debug"},
        {"TelegramDesktop", "telegram-desktop", ".local/share/TelegramDesktop"},
        {"google_chrome", "google-chrome-stable", ".config/google-chrome"},
        {"QtProject", "qtcreator", ".config/QtProject"},
        {"lesshst", "less", ".local/state/lesshst"},
    };
    for (const Case &c : cases) {
        const auto app = LinuxKnownApps::writerOf(QString::fromUtf8(c.name));
        ASSERT_TRUE(app) << c.name;
        EXPECT_TRUE(app->packages.contains(QString::fromUtf8(c.package)))
            << c.name << ": " << app->packages.join(u',').toStdString();
        EXPECT_TRUE(app->places.contains(QString::fromUtf8(c.place)))
            << c.name << ": " << app->places.join(u',').toStdString();
    }
    // A build tool's cache that IDEs fill too is any of theirs.
    const auto gradle = LinuxKnownApps::writerOf(QStringLiteral(".gradle"));
    ASSERT_TRUE(gradle);
    EXPECT_EQ(gradle->name, "JetBrains IDEs, Android Studio or Gradle");
    for (const char *package : {"gradle", "android-studio", "intellij-idea-community"})
        EXPECT_TRUE(gradle->packages.contains(QString::fromUtf8(package))) << package;
    EXPECT_TRUE(gradle->flatpaks.contains("com.google.AndroidStudio"));
}

// A program's data written under its library's name is an orphan, named after the program, once no package that runs
// as the program is installed: the library alone does not keep it.
TEST(LinuxKnownApps, ALibraryOfTheWriterDoesNotKeepItsData)
{
    for (const bool library : {true, false}) {
        TempTree tree;
        tree.writeFile("var/lib/dpkg/status", library ? "Package: libpurple0\nStatus: install ok installed\n"
                                                        "Architecture: amd64\n"
                                                      : "Package: bash\nStatus: install ok installed\n"
                                                        "Architecture: amd64\n");
        const fs::path folder = tree.makeFolder("home/me/.purple");
        const fs::path rc = tree.writeFile("home/me/.config/kmahjonggrc", "[General]\n");
        const PosixPlatform platform(tree.root(), tree.path("home/me"));
        const LinuxOwnerIdentifier identifier(LinuxInventory::build(platform), platform);

        const auto purple = identifier.identifyOwner(".purple", folder, RemnantCategory::applicationData);
        EXPECT_EQ(purple.owner.status, RemnantStatus::orphan);
        EXPECT_EQ(purple.owner.appName.value_or(QString()), "Pidgin");
        EXPECT_EQ(EvidenceText::text(purple.owner.evidence).contains("libpurple0 has the name but holds no program"),
                  library)
            << EvidenceText::text(purple.owner.evidence).toStdString();
        const auto mahjongg = identifier.identifyOwner("kmahjonggrc", rc, RemnantCategory::configuration);
        EXPECT_EQ(mahjongg.owner.status, RemnantStatus::orphan);
        EXPECT_EQ(mahjongg.owner.appName.value_or(QString()), "KMahjongg");
    }
}
