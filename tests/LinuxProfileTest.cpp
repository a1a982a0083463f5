// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/LinuxProfile.h"
#include "AdministratorPlatform.h"
#include "CliRun.h"
#include "CoreApplication.h"
#include "QtPrinters.h"
#include "ScopedEnvironment.h"
#include "ScriptedAlerts.h"
#include "TempTree.h"
#include "Unprivileged.h"
#include "demo/LinuxDemoHome.h"
#include "linuxdesktop/LinuxInventory.h"
#include "linuxdesktop/LinuxLocations.h"
#include "linuxdesktop/LinuxOwnerIdentifier.h"
#include "mac/MacProfile.h"
#include "model/ScanProfile.h"
#include "platform/FileStatus.h"
#include "platform/PosixPlatform.h"
#include "platform/TrashInfo.h"
#include "scanner/RemnantScanner.h"
#include "ui/EvidenceText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A Debian system with GIMP installed from a package, Discord removed (its settings still in dpkg's database),
// a Flatpak app and a snap.
struct DebianTree {
    TempTree tree;
    DebianTree()
    {
        tree.writeFile("var/lib/dpkg/status", "Package: gimp\nStatus: install ok installed\nArchitecture: amd64\n\n"
                                              "Package: discord\nStatus: deinstall ok config-files\n"
                                              "Architecture: amd64\n\n"
                                              "Package: galculator\nStatus: deinstall ok config-files\n"
                                              "Architecture: amd64\n");
        tree.writeFile("var/lib/dpkg/info/gimp.list",
                       "/usr/bin/gimp-2.10\n/usr/share/applications/org.gimp.Editor.desktop\n");
        tree.writeFile("var/log/dpkg.log", "2026-01-02 10:00:00 remove xarchiver:amd64 0.5.4.20-2 <none>\n");
        tree.writeFile("usr/bin/gimp-2.10");
        tree.writeFile("usr/bin/bash");
        tree.writeFile("usr/share/applications/org.gimp.Editor.desktop",
                       "[Desktop Entry]\nName=GIMP\nExec=gimp-2.10 %U\nStartupWMClass=Gimp-2.10\n");
        tree.makeFolder("var/lib/flatpak/app/org.gnome.Boxes");
        tree.makeFolder("snap/spotify");
        tree.makeFolder("home/me");
    }
    fs::path home() const { return tree.path("home/me"); }
};

// Who owns the homes of the tests: when they run as root, another user, as a user owns a home.
uid_t homeOwner()
{
    return geteuid() == 0 ? UnprivilegedUser : geteuid();
}

void giveToHomeOwner(const TempTree &tree, std::initializer_list<const char *> folders)
{
    for (const char *folder : folders)
        ASSERT_EQ(lchown(tree.path(folder).c_str(), homeOwner(), homeOwner()), 0) << folder;
}

QStringList listedNames(const CliResult &run)
{
    QStringList names;
    for (const QJsonValue &value : QJsonDocument::fromJson(run.out).array())
        names.append(value["name"].toString());
    names.sort();
    return names;
}

TEST(LinuxAttribution, StrongestEvidenceFirst)
{
    const DebianTree debian;
    const PosixPlatform platform(debian.tree.root(), debian.home());
    const LinuxOwnerIdentifier identifier(LinuxInventory::build(platform), platform);
    // An entry larger than any real one is not read, and a value longer than any real one is left out.
    const std::string oversized = "[Desktop Entry]\nExec=/usr/bin/gimp-2.10\n# " + std::string(1024 * 1024, 'x') + "\n";
    const std::string longExec = "[Desktop Entry]\nExec=/usr/bin/gimp-2.10 " + std::string(4096, 'x') + "\n";
    struct Case {
        const char *path; // below the home
        const char *contents;
        RemnantCategory category;
        RemnantStatus status;
        const char *owner;
        const char *evidence;
    };
    const Case cases[] = {
        {".var/app/org.gnome.Boxes", nullptr, RemnantCategory::flatpakData, RemnantStatus::stale, "org.gnome.Boxes",
         "Flatpak app org.gnome.Boxes is installed"},
        {".var/app/com.spotify.Client", nullptr, RemnantCategory::flatpakData, RemnantStatus::orphan,
         "com.spotify.Client", "no installed Flatpak app has the ID com.spotify.Client"},
        {".config/autostart/gimp.desktop", "[Desktop Entry]\nExec=/usr/bin/gimp-2.10\n", RemnantCategory::autostart,
         RemnantStatus::stale, "gimp", "autostart entry runs /usr/bin/gimp-2.10, of package gimp"},
        {".config/autostart/chat.desktop", "[Desktop Entry]\nExec=env X=1 /usr/share/discord/Discord\n",
         RemnantCategory::autostart, RemnantStatus::orphan, "Discord", "which is gone"},
        {".config/systemd/user/sync.timer", "[Timer]\nUnit=sync.service\n", RemnantCategory::userServices,
         RemnantStatus::orphan, "qsync", "user service runs /opt/qsync/qsync, which is gone"},
        {".config/systemd/user/sync.service", "[Service]\nExecStart=-/opt/qsync/qsync --daemon\n",
         RemnantCategory::userServices, RemnantStatus::orphan, "qsync", "which is gone"},
        {".config/Gimp-2.10", nullptr, RemnantCategory::configuration, RemnantStatus::stale, "gimp",
         "executable 'gimp-2.10' of package gimp"},
        {".local/share/org.gimp.Editor", nullptr, RemnantCategory::applicationData, RemnantStatus::stale, "gimp",
         "desktop-file ID 'org.gimp.Editor'"},
        {".cache/spotify", nullptr, RemnantCategory::cache, RemnantStatus::stale, "spotify", "snap name 'spotify'"},
        {".config/discord", nullptr, RemnantCategory::configuration, RemnantStatus::orphan, "discord",
         "folder of Discord; none of discord"},
        {".config/GIMP-backup", nullptr, RemnantCategory::configuration, RemnantStatus::orphan, nullptr,
         "only the word 'gimp' matches package name 'gimp' of package gimp, which is installed: a look-alike"},
        {".config/galculator", nullptr, RemnantCategory::configuration, RemnantStatus::orphan, "galculator",
         "package galculator was removed"},
        {".config/xarchiver", nullptr, RemnantCategory::configuration, RemnantStatus::orphan, "xarchiver",
         "package xarchiver was removed"},
        {".local/share/zzqx-notes", nullptr, RemnantCategory::applicationData, RemnantStatus::orphan, nullptr,
         "no installed package"},
        {".config/autostart/qqvv.desktop", oversized.c_str(), RemnantCategory::autostart, RemnantStatus::orphan,
         nullptr, "no installed package"},
        {".config/autostart/zzqx.desktop", longExec.c_str(), RemnantCategory::autostart, RemnantStatus::orphan, nullptr,
         "no installed package"},
    };
    for (const Case &c : cases) {
        const fs::path path = c.contents ? debian.tree.writeFile(std::string("home/me/") + c.path, c.contents)
                                         : debian.tree.makeFolder(std::string("home/me/") + c.path);
        // The timer's service sits beside it.
        if (std::string_view(c.path).ends_with(".timer"))
            debian.tree.writeFile("home/me/.config/systemd/user/sync.service",
                                  "[Service]\nExecStart=/opt/qsync/qsync\n");
        const auto found = identifier.identifyOwner(QString::fromUtf8(path.filename().c_str()), path, c.category);
        EXPECT_EQ(found.owner.status, c.status) << c.path;
        EXPECT_EQ(found.owner.bundleID.value_or(QString()), QString::fromUtf8(c.owner ? c.owner : "")) << c.path;
        EXPECT_TRUE(EvidenceText::text(found.owner.evidence).contains(QString::fromUtf8(c.evidence)))
            << c.path << ": " << EvidenceText::text(found.owner.evidence).toStdString();
    }
    // The removed Flatpak app's data looks like the installed snap's.
    EXPECT_EQ(identifier.lookalikes(QStringLiteral("com.spotify.Client")), QStringList{QStringLiteral("spotify")});
    EXPECT_TRUE(identifier.lookalikes(QStringLiteral("zzqx-notes")).isEmpty());
}

// Entries written the way Debian's packages, desktops and users write them: what the shell, interpreter, wrapper or
// launcher runs decides, not the shell, interpreter, wrapper or launcher, which are all installed.
TEST(LinuxAttribution, WhatShellsInterpretersAndWrappersRunDecides)
{
    const DebianTree debian;
    const TempTree &tree = debian.tree;
    for (const char *program : {"sh", "python3", "env", "nice", "ionice", "setsid", "timeout", "taskset", "stdbuf",
                                "nohup", "node", "flatpak", "snap", "java", "gtk-launch", "x-terminal-emulator"})
        tree.writeFile(std::string("usr/bin/") + program);
    tree.writeFile("home/me/.local/share/qqnotes/notes.py", "print()\n");
    tree.writeFile("home/me/qqbot/bot.py", "print()\n");
    // A menu entry whose program is gone adds nothing to the inventory, whatever starts it.
    tree.writeFile("usr/share/applications/qqviewer.desktop",
                   "[Desktop Entry]\nName=Qq Viewer\nExec=sh -c \"exec /opt/qqviewer/bin/qqviewer %f\"\n");
    const PosixPlatform platform(tree.root(), debian.home());
    const LinuxOwnerIdentifier identifier(LinuxInventory::build(platform), platform);
    const QString home = QString::fromStdString(debian.home().native());

    struct Case {
        const char *path; // below the home
        const char *contents;
        RemnantCategory category;
        RemnantStatus status;
        QString owner;
        QString evidence;
    };
    const Case cases[] = {
        // Debian's own emacsclient.desktop and hplip's entries, as they are written.
        {".local/share/applications/emacsclient.desktop",
         "[Desktop Entry]\nExec=sh -c \"if [ -n \\\\\"\\\\$*\\\\\" ]; then exec emacsclient --alternate-editor= "
         "--display=\\\\\"\\\\$DISPLAY\\\\\" \\\\\"\\\\$@\\\\\"; else exec emacsclient --alternate-editor= "
         "--create-frame; fi\" sh %F\n",
         RemnantCategory::menuEntries, RemnantStatus::orphan, "emacsclient",
         "menu entry runs emacsclient, which is gone"},
        {".config/autostart/hplip.desktop", "[Desktop Entry]\nExec=sh -c 'STARTED_FROM_MENU=yes /usr/bin/hp-toolbox'\n",
         RemnantCategory::autostart, RemnantStatus::orphan, "hp-toolbox", "runs /usr/bin/hp-toolbox, which is gone"},
        {".config/autostart/tray.desktop",
         "[Desktop Entry]\nExec=sh -c \"sleep 5 && cd ~/.local/share/qqtray && exec nohup ./qqtray --hidden\"\n",
         RemnantCategory::autostart, RemnantStatus::orphan, "qqtray",
         "runs " + home + "/.local/share/qqtray/qqtray, which is gone"},
        {".config/autostart/notes.desktop",
         "[Desktop Entry]\nExec=/usr/bin/env LANG=C python3 -u HOME/.local/share/qqnotes/notes.py\n",
         RemnantCategory::autostart, RemnantStatus::stale, home + "/.local/share/qqnotes/notes.py",
         "runs " + home + "/.local/share/qqnotes/notes.py, of program"},
        {".config/systemd/user/qqbot.service",
         "[Service]\nWorkingDirectory=%h/qqbot\nExecStart=/usr/bin/python3 bot.py\n", RemnantCategory::userServices,
         RemnantStatus::stale, home + "/qqbot/bot.py", "runs " + home + "/qqbot/bot.py"},
        {".config/systemd/user/qqsync.service",
         "[Service]\nExecStart=@/usr/bin/nice qqsync-daemon -n 10 /usr/bin/ionice -c3 %h/.local/bin/qqsync --daemon\n",
         RemnantCategory::userServices, RemnantStatus::orphan, "qqsync",
         "runs " + home + "/.local/bin/qqsync, which is gone"},
        {".config/autostart/job.desktop",
         "[Desktop Entry]\nExec=setsid -f timeout -s TERM 1h taskset -c 0 stdbuf -oL nohup /opt/qqjob/run\n",
         RemnantCategory::autostart, RemnantStatus::orphan, "run", "runs /opt/qqjob/run, which is gone"},
        {".config/autostart/web.desktop", "[Desktop Entry]\nPath=/opt/qqweb\nExec=node -r ./hook.js server.js\n",
         RemnantCategory::autostart, RemnantStatus::orphan, "server.js", "runs /opt/qqweb/server.js, which is gone"},
        {".local/share/applications/craft.desktop",
         "[Desktop Entry]\nExec=java -Xmx1g -jar \"/opt/Qq Craft/launcher.jar\" %u\n", RemnantCategory::menuEntries,
         RemnantStatus::orphan, "launcher.jar", "runs /opt/Qq Craft/launcher.jar, which is gone"},
        {".local/share/applications/top.desktop", "[Desktop Entry]\nExec=x-terminal-emulator -e qqtop --tree\n",
         RemnantCategory::menuEntries, RemnantStatus::orphan, "qqtop", "runs qqtop, which is gone"},
        // As Flatpak and snap export their entries, and a snap's user service.
        {".local/share/applications/com.obsproject.Studio.desktop",
         "[Desktop Entry]\nExec=/usr/bin/flatpak run --branch stable --command=obs com.obsproject.Studio @@u %U @@\n",
         RemnantCategory::menuEntries, RemnantStatus::orphan, "com.obsproject.Studio",
         "starts Flatpak app com.obsproject.Studio, which is not installed"},
        {".local/share/applications/qqchat_qqchat.desktop",
         "[Desktop Entry]\nExec=env BAMF_DESKTOP_FILE_HINT=/var/lib/snapd/desktop/applications/qqchat_qqchat.desktop "
         "/snap/bin/qqchat %U\n",
         RemnantCategory::menuEntries, RemnantStatus::orphan, "qqchat", "starts snap qqchat, which is not installed"},
        {".config/systemd/user/music.service", "[Service]\nExecStart=/usr/bin/snap run spotify.daemon\n",
         RemnantCategory::userServices, RemnantStatus::stale, "spotify", "starts snap spotify, which is installed"},
        // Another menu entry, followed to what it runs.
        {".config/autostart/editor.desktop", "[Desktop Entry]\nExec=gtk-launch org.gimp.Editor\n",
         RemnantCategory::autostart, RemnantStatus::stale, "gimp", "runs /usr/bin/gimp-2.10, of package gimp"},
        {".config/qqviewer",
         nullptr,
         RemnantCategory::configuration,
         RemnantStatus::orphan,
         {},
         "no installed package"},
    };
    for (const Case &c : cases) {
        std::string contents = c.contents ? c.contents : "";
        if (const std::size_t at = contents.find("HOME/"); at != std::string::npos)
            contents.replace(at, 4, debian.home().native());
        const fs::path path = c.contents ? tree.writeFile(std::string("home/me/") + c.path, contents)
                                         : tree.makeFolder(std::string("home/me/") + c.path);
        const auto found = identifier.identifyOwner(QString::fromUtf8(path.filename().c_str()), path, c.category);
        EXPECT_EQ(found.owner.status, c.status) << c.path;
        EXPECT_EQ(found.owner.bundleID.value_or(QString()), c.owner) << c.path;
        EXPECT_TRUE(EvidenceText::text(found.owner.evidence).contains(c.evidence))
            << c.path << ": " << EvidenceText::text(found.owner.evidence).toStdString();
    }
}

// The desktop's own names are checked where they are, in the command line's scan of the demonstration home.
TEST(LinuxLocations, StrayFilesAndTheServiceManagersFoldersAreNeverCandidates)
{
    const DebianTree debian;
    const PosixPlatform platform(debian.tree.root(), debian.home());
    const std::vector<ScanLocation> locations = LinuxLocations::scanLocations(platform);
    ASSERT_EQ(locations.size(), 10u);
    auto of = [&](RemnantCategory category) {
        return *std::find_if(locations.begin(), locations.end(),
                             [category](const ScanLocation &l) { return l.category == category; });
    };
    // A program's dot-file counts like its dot-folder; the session's does not.
    EXPECT_FALSE(LinuxLocations::isCandidate(of(RemnantCategory::dotFolders), ".xinitrc", false));
    EXPECT_TRUE(LinuxLocations::isCandidate(of(RemnantCategory::dotFolders), ".qqtoolrc", false));
    EXPECT_FALSE(LinuxLocations::isCandidate(of(RemnantCategory::dotFolders), "notes.txt", false));
    EXPECT_FALSE(LinuxLocations::isCandidate(of(RemnantCategory::userServices), "default.target.wants", true));
    EXPECT_TRUE(LinuxLocations::isCandidate(of(RemnantCategory::userServices), "a.timer", false));
    EXPECT_FALSE(LinuxLocations::isCandidate(of(RemnantCategory::autostart), "notes.txt", false));
}

TEST(ScanProfileChoice, TheHomeDecidesUnlessGiven)
{
    TempTree tree;
    tree.makeFolder("mac/Library");
    tree.writeFile("odd/Library", "not a folder");
    tree.makeFolder("linux/.config");
    EXPECT_TRUE(MacProfile::suits(tree.path("mac")));
    EXPECT_TRUE(MacProfile::suits(tree.path("odd")));
    EXPECT_FALSE(MacProfile::suits(tree.path("linux")));
    EXPECT_FALSE(scanProfileNamed("windows"));
}

// The command line over the demonstration Linux desktop: installed software's entries are never orphans, removed
// software's are, the desktop's own names are never listed, and nothing read gets a new access date.
TEST(CliLinuxProfile, InstalledSoftwareIsNeverOrphanedAndRemovedSoftwareIs)
{
    const LinuxDemoHome demo;
    const fs::path entry = demo.home() / ".config/autostart/discord.desktop";
    struct stat before {};
    ASSERT_EQ(stat(entry.c_str(), &before), 0);

    const CliResult run = runCli({"scan", "--profile", "linux", "--format", "json", "--root", demo.root().native(),
                                  "--home", demo.home().native()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonArray records = QJsonDocument::fromJson(run.out).array();
    ASSERT_FALSE(records.isEmpty());

    QHash<QString, QString> statusOf;
    QHash<QString, QJsonObject> recordOf;
    for (const QJsonValue &value : records) {
        const QJsonObject record = value.toObject();
        const QString relative = record["path"].toString().mid(int(demo.home().native().size()) + 1);
        statusOf.insert(relative, record["status"].toString());
        recordOf.insert(relative, record);
    }
    for (const char *installed :
         {".config/Code", ".config/GIMP", ".config/vlc", ".config/libreoffice", ".config/google-chrome",
          ".config/syncthing", ".cache/mozilla", ".mozilla", ".var/app/org.gnome.Boxes", "snap/spotify",
          ".config/autostart/syncthing-start.desktop", ".config/systemd/user/syncthing.service"})
        EXPECT_EQ(statusOf.value(installed), "stale") << installed;
    for (const char *removed :
         {".config/discord", ".config/obs-studio", ".cache/discord", ".local/share/Steam", ".steam", ".zoom",
          ".var/app/com.spotify.Client", ".config/autostart/discord.desktop", ".config/systemd/user/dropbox.service"})
        EXPECT_EQ(statusOf.value(removed), "orphan") << removed;
    for (const char *desktop :
         {".config/dconf", ".config/pulse", ".config/gtk-3.0", ".config/mimeapps.list", ".config/user-dirs.dirs",
          ".config/kdeglobals", ".config/systemd", ".local/share/recently-used.xbel", ".local/share/keyrings",
          ".local/share/Trash", ".cache/fontconfig", ".ssh", ".config/autostart", "Documents"})
        EXPECT_FALSE(statusOf.contains(desktop)) << desktop;

    // What removed software left that the user still needs is told; a cache of thumbnails is not. An orphan whose
    // timer still writes into it is raised to Review.
    const auto userFiles = [&](const char *path) {
        return QJsonDocument(recordOf.value(path)["userFiles"].toObject()).toJson(QJsonDocument::Compact);
    };
    EXPECT_EQ(userFiles(".electrum"), R"({"credentials":1})");
    EXPECT_EQ(userFiles(".thunderbird"), R"({"credentials":2,"mail":1})");
    EXPECT_EQ(userFiles(".local/share/focuswriter"), R"({"documents":2})");
    EXPECT_EQ(userFiles(".cache/shotwell"), "{}");
    EXPECT_EQ(recordOf.value(".local/state/qvorta-sync")["risk"].toString(), "Review");

    // Beside the sentence, the evidence as values: an installed package's name, and the catalogue's names.
    const auto detail = [&](const char *path) {
        return recordOf.value(path)["evidenceDetail"].toArray();
    };
    EXPECT_EQ(QJsonDocument(detail(".config/GIMP")).toJson(QJsonDocument::Compact),
              R"([{"application":"","form":"package name 'gimp'","kind":"namesInstalled","name":"GIMP","names":[],)"
              R"("owner":"gimp","ownerKind":"package","source":"GIMP","strength":"direct"}])");
    const QJsonObject discord = detail(".config/discord").first().toObject();
    EXPECT_EQ(discord["kind"].toString(), "catalogueFolderMissing");
    EXPECT_EQ(discord["strength"].toString(), "catalogue");
    EXPECT_EQ(discord["application"].toString(), "Discord");
    EXPECT_EQ(discord["names"].toArray().first().toString(), "discord");

    struct stat after {};
    ASSERT_EQ(stat(entry.c_str(), &after), 0);
    EXPECT_EQ(FileStatus::accessTime(after).tv_sec, FileStatus::accessTime(before).tv_sec);
    EXPECT_EQ(FileStatus::accessTime(after).tv_nsec, FileStatus::accessTime(before).tv_nsec);
}

// In a home, reading is no use: a backup that read an old leftover yesterday leaves it old, and a leftover of a
// removed program stays an orphan however recently it changed, its age told by the newest change inside.
TEST(CliLinuxProfile, OnlyChangesTellUseAndRecentOrphansStayOrphans)
{
    TempTree tree;
    tree.writeFile("var/lib/dpkg/status", "");
    const long long now = QDateTime::currentSecsSinceEpoch();
    const long long day = 24 * 3600;
    tree.writeFile("home/me/.config/zzqx-read/settings.ini");
    tree.setTimes("home/me/.config/zzqx-read/settings.ini", now - day, now - 900 * day);
    tree.setTimes("home/me/.config/zzqx-read", now - day, now - 900 * day);
    tree.writeFile("home/me/.config/zzqx-inside/state.db");
    tree.setTimes("home/me/.config/zzqx-inside/state.db", now - 900 * day, now - 40 * day);
    tree.setTimes("home/me/.config/zzqx-inside", now - 900 * day, now - 900 * day);

    const CliResult run = runCli({"scan", "--profile", "linux", "--format", "json", "--root", tree.root().native(),
                                  "--home", tree.path("home/me").native()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QHash<QString, QJsonObject> recordOf;
    for (const QJsonValue &value : QJsonDocument::fromJson(run.out).array())
        recordOf.insert(fs::path(value["path"].toString().toStdString()).filename().c_str(), value.toObject());
    ASSERT_EQ(recordOf.size(), 2);
    for (const QJsonObject &record : recordOf) {
        EXPECT_EQ(record["status"].toString(), "orphan");
        EXPECT_TRUE(record["lastUsed"].isNull());
    }

    const CliResult table =
        runCli({"scan", "--profile", "linux", "--root", tree.root().native(), "--home", tree.path("home/me").native()});
    EXPECT_TRUE(table.out.startsWith("STATUS")) << table.out.toStdString();
    EXPECT_TRUE(table.out.contains(" LAST CHANGED ")) << table.out.toStdString();
    EXPECT_EQ(table.out.count("2 years ago"), 1) << table.out.toStdString();
    EXPECT_TRUE(table.out.contains("1 month ago")) << table.out.toStdString();
}

// The environment may move the base folders: inside the scanned home always, anywhere for one's own home.
TEST(CliLinuxProfile, MovedBaseFoldersAreScannedAndNeverListedThemselves)
{
    TempTree tree;
    tree.writeFile("var/lib/dpkg/status", "");
    tree.makeFolder("home/me/.config/zzqa-usual");
    tree.makeFolder("home/me/.settings/zzqa-moved");
    tree.makeFolder("elsewhere/cache/zzqa-outside");
    giveToHomeOwner(tree, {"home/me", "elsewhere/cache"});
    const std::string home = tree.path("home/me").native();
    const std::vector<std::string> moved = {"XDG_CONFIG_HOME=" + home + "/.settings/",
                                            "XDG_CACHE_HOME=" + tree.path("elsewhere/cache").native(),
                                            "XDG_DATA_HOME=relative/share"};
    const std::vector<std::string> replaced = {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME",
                                               "XDG_STATE_HOME"};
    auto listed = [&](const char *ownHome) {
        CliOptions options{.environment = moved, .removedEnvironment = replaced};
        options.environment.push_back(std::string("HOME=") + ownHome);
        const CliResult run =
            runCli({"scan", "--profile", "linux", "--format", "json", "--root", tree.root().native(), "--home", home},
                   options);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        QStringList names;
        for (const QJsonValue &value : QJsonDocument::fromJson(run.out).array())
            names << QString::fromStdString(fs::path(value["path"].toString().toStdString()).filename()) + u' ' +
                         value["category"].toString();
        return names;
    };
    EXPECT_EQ(listed("/nonexistent"), QStringList({"zzqa-moved Configuration", "zzqa-usual Configuration"}));
    const QStringList own = listed(home.c_str());
    EXPECT_EQ(own.size(), 3) << own.join(u',').toStdString();
    EXPECT_TRUE(own.contains("zzqa-outside Cache"));

    CliOptions options{.environment = moved, .removedEnvironment = replaced};
    options.environment.push_back("HOME=" + home);
    const CliResult trash = runCli({"trash", "--profile", "linux", "--root", tree.root().native(), "--home", home,
                                    tree.path("elsewhere/cache/zzqa-outside").native()},
                                   options);
    EXPECT_EQ(trash.exitCode, 0) << trash.err.toStdString();
    EXPECT_FALSE(fs::exists(tree.path("elsewhere/cache/zzqa-outside")));
}

// For one's own home the environment may place a base folder anywhere, but outside the home only a folder of the
// home's owner, who is not root, that nobody else may write in counts: with one of root's, /etc/passwd would be taken
// for a leftover. Each one passed over is told once, by its variable.
TEST(CliLinuxProfile, BaseFoldersOutsideTheHomeCountOnlyWhenTheHomesOwnerAloneMayWriteInThem)
{
    TempTree tree;
    tree.writeFile("var/lib/dpkg/status", "");
    tree.makeFolder("home/me");
    tree.makeFolder("outside/own/zzqa-own");
    tree.makeFolder("outside/shared/zzqa-shared");
    tree.makeFolder("outside/system/zzqa-system");
    giveToHomeOwner(tree, {"home/me", "outside/own", "outside/shared"});
    chmod(tree.path("outside/shared").c_str(), 0775);
    const std::string home = tree.path("home/me").native();
    const fs::path shared = tree.path("outside/shared");
    const fs::path system = tree.path("outside/system");
    CliOptions options{.environment = {"HOME=" + home, "XDG_CONFIG_HOME=" + tree.path("outside/own").native(),
                                       "XDG_DATA_HOME=" + shared.native(),
                                       "XDG_STATE_HOME=" + tree.path("outside/missing").native()},
                       .removedEnvironment = {"XDG_CACHE_HOME"}};
    // Only root can make a folder that is not the running user's.
    if (geteuid() == 0)
        options.environment.push_back("XDG_CACHE_HOME=" + system.native());
    const CliResult run = runCli(
        {"scan", "--profile", "linux", "--format", "json", "--root", tree.root().native(), "--home", home}, options);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(listedNames(run), QStringList{"zzqa-own"});
    std::string warnings = "leftscan-cli: warning: XDG_DATA_HOME names " + shared.native() +
                           ", which was passed over: others may write in it\n";
    if (geteuid() == 0)
        warnings += "leftscan-cli: warning: XDG_CACHE_HOME names " + system.native() +
                    ", which was passed over: it does not belong to the home's owner\n";
    EXPECT_EQ(run.err.toStdString(), warnings);

    if (geteuid() != 0)
        return;
    // Root's own home: no folder outside it counts, and nothing there can be moved.
    tree.writeFile("etc/passwd", "root:x:0:0:root:/root:/bin/sh\n");
    tree.writeFile("etc/protocols", "ip 0 IP\n");
    const std::string rootHome = tree.makeFolder("root").native();
    const CliOptions asRoot{.environment = {"HOME=" + rootHome, "XDG_CONFIG_HOME=" + tree.path("etc").native()},
                            .removedEnvironment = {"XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"}};
    const Arguments rootsScan = {"--profile", "linux", "--root", tree.root().native(), "--home", rootHome};
    const CliResult rootsRun = runCli(Arguments{"scan", "--format", "json"} + rootsScan, asRoot);
    EXPECT_EQ(listedNames(rootsRun), QStringList());
    EXPECT_EQ(rootsRun.err.toStdString(), "leftscan-cli: warning: XDG_CONFIG_HOME names " + tree.path("etc").native() +
                                              ", which was passed over: the home is root's, and no folder outside "
                                              "it is used\n");
    const CliResult trashed =
        runCli(Arguments{"trash", "--force"} + rootsScan + Arguments{tree.path("etc/passwd").native()}, asRoot);
    EXPECT_EQ(trashed.exitCode, 4);
    EXPECT_EQ(TempTree::readFile(tree.path("etc/passwd")), "root:x:0:0:root:/root:/bin/sh\n");
}

// The administrator's rights serve what lies in the home only: an entry of a base folder that the environment
// placed outside it is never offered to them.
TEST(LinuxProfileActions, NoAdministratorRightsAreOfferedForEntriesOutsideTheHome)
{
    coreApplication();
    TempTree tree;
    tree.writeFile("var/lib/dpkg/status", "");
    tree.writeFile("home/me/.config/zzqa-inside/settings", "in");
    tree.writeFile("outside/config/zzqa-outside/settings", "out");
    giveToHomeOwner(tree, {"home/me", "home/me/.config", "outside/config"});
    const ScopedEnvironment home("HOME", QByteArray::fromStdString(tree.path("home/me").native()));
    const ScopedEnvironment config("XDG_CONFIG_HOME", QByteArray::fromStdString(tree.path("outside/config").native()));
    const auto platform = std::make_shared<AdministratorPlatform>(tree.root(), tree.path("home/me"));
    platform->trashRefuses = true;
    ScriptedAlerts alerts;
    RemnantScanner scanner(platform, std::make_shared<LinuxProfile>(platform), alerts);
    QSignalSpy scanned(&scanner, &RemnantScanner::scanFinished);
    scanner.scan();
    ASSERT_TRUE(scanned.wait(60000));
    RemnantItemPtr inside;
    RemnantItemPtr outside;
    for (const RemnantItemPtr &item : scanner.remnants())
        (item->name() == "zzqa-inside" ? inside : outside) = item;
    ASSERT_EQ(scanner.remnants().size(), 2);
    ASSERT_TRUE(inside && outside);

    auto messages = [&] {
        QStringList shown;
        for (const AlertText &alert : std::exchange(alerts.shown, {}))
            shown.append(alert.message + u'|' + alert.informativeText.section(u'?', 0, 0));
        return shown;
    };
    scanner.moveToTrash(outside, ScanSession::Confirmation::byName);
    EXPECT_EQ(messages(),
              QStringList{"Error while deleting|The file 'zzqa-outside' could not be moved to the Trash.\n\n"
                          "Error: Operation not permitted"});
    scanner.moveToTrash(inside, ScanSession::Confirmation::byName);
    EXPECT_EQ(messages().value(0).section(u'|', 0, 0), "Admin rights required");
    EXPECT_FALSE(scanner.moveToTrashWithAdminRights(outside).success);

    QSignalSpy acted(&scanner, &RemnantScanner::actionFinished);
    ASSERT_TRUE(scanner.moveToTrashInBackground({outside, inside}, {outside, inside}));
    ASSERT_TRUE(acted.wait(60000));
    EXPECT_EQ(messages(), QStringList{"Admin rights required|The item 'zzqa-inside' requires administrator "
                                      "privileges to move to Trash. Do you want to continue"});
    EXPECT_EQ(platform->commandRuns(), 0);
    EXPECT_EQ(scanner.remnants().size(), 2);
}

// Trash folders hold what the user threw away, to be put back from there: neither they nor the home nor the root are
// ever leftovers, and nothing goes back from the Trash under a name that trash would refuse.
TEST(CliLinuxProfile, NoTrashFolderIsListedNoHomeIsTheRootAndNothingGoesBackUnderANameTrashRefuses)
{
    TempTree tree;
    tree.writeFile("var/lib/dpkg/status", "");
    for (const char *folder : {"home/me/.Trash/files", "home/me/.Trash-1000/files", "home/me/.cache/.Trash-0/files",
                               "home/me/.local/share/Trash/files", "home/me/.config/autostart", "home/me/.zzqa-dot"})
        tree.makeFolder(folder);
    const fs::path home = tree.path("home/me");
    const Arguments linux = {"--profile", "linux", "--root", tree.root().native(), "--home", home.native()};
    const CliResult scan = runCli(Arguments{"scan", "--format", "json"} + linux);
    ASSERT_EQ(scan.exitCode, 0) << scan.err.toStdString();
    EXPECT_EQ(listedNames(scan), QStringList{".zzqa-dot"});
    EXPECT_EQ(runCli(Arguments{"trash", "--force"} + linux + Arguments{(home / ".Trash-1000").native()}).exitCode, 4);
    EXPECT_TRUE(fs::exists(home / ".Trash-1000/files"));

    // Nothing there to move, should the refusal ever go.
    for (const Arguments &command : {Arguments{"scan"}, Arguments{"trash", tree.path("zzqa-absent").native()}}) {
        const CliResult refused = runCli(command + Arguments{"--root", tree.root().native(), "--home", "/"});
        EXPECT_EQ(refused.exitCode, 2);
        EXPECT_EQ(refused.err, "leftscan-cli: the home folder cannot be the root folder (/)\n");
    }

    // Items the file manager threw away from the home, the autostart folder's entries being files only.
    ASSERT_EQ(runCli(Arguments{"trash", "--force"} + linux + Arguments{(home / ".zzqa-dot").native()}).exitCode, 0);
    const fs::path trash = home / ".local/share/Trash";
    const std::vector<fs::path> refused = {home / ".bashrc", home / ".Trash-1001",
                                           home / ".config/autostart/zzqa.desktop"};
    for (const fs::path &original : refused) {
        const fs::path trashed = trash / "files" / original.filename();
        if (original.filename() == ".bashrc")
            std::ofstream(trashed) << "alias ll='ls -l'\n";
        else
            fs::create_directory(trashed);
        std::ofstream(trash / "info" / (original.filename().native() + ".trashinfo"))
            << TrashInfo{original.native(), "2026-01-01T00:00:00"}.text();
        const CliResult run = runCli(Arguments{"restore"} + linux + Arguments{original.native()});
        EXPECT_EQ(run.exitCode, 4) << original;
        EXPECT_EQ(run.err.toStdString(), "leftscan-cli: " + original.native() +
                                             " is not a leftover that a scan lists; nothing was put back\n");
        EXPECT_FALSE(fs::exists(fs::symlink_status(original))) << original;
        EXPECT_TRUE(fs::exists(trashed)) << original;
    }
    const CliResult restored = runCli(Arguments{"restore"} + linux + Arguments{(home / ".zzqa-dot").native()});
    EXPECT_EQ(restored.exitCode, 0) << restored.err.toStdString();
    EXPECT_TRUE(fs::is_directory(home / ".zzqa-dot"));
}

// Removing a program leaves its data and library packages installed until an autoremove; they name it in their
// source, yet the program is gone, unless another package still gives a program of that name.
TEST(CliLinuxProfile, AProgramRemovedWithoutItsDataPackageIsAnOrphan)
{
    TempTree tree;
    tree.writeFile("var/lib/dpkg/status", "Package: qqmc\nStatus: deinstall ok config-files\nArchitecture: amd64\n\n"
                                          "Package: qqmc-data\nStatus: install ok installed\nSource: qqmc\n\n"
                                          "Package: qqed\nStatus: deinstall ok config-files\nArchitecture: amd64\n\n"
                                          "Package: qqed-gtk\nStatus: install ok installed\nSource: qqed\n\n"
                                          "Package: qqtr-common\nStatus: install ok installed\nSource: qqtr\n\n"
                                          "Package: qqvw-common\nStatus: install ok installed\nSource: qqvw\n\n"
                                          "Package: qqvw-qt\nStatus: install ok installed\nSource: qqvw\n");
    tree.writeFile("var/log/dpkg.log", "2026-01-02 10:00:00 remove qqtr-gtk:amd64 4.0-1 <none>\n"
                                       "2026-01-02 10:00:00 remove qqvw-gtk:amd64 4.0-1 <none>\n");
    tree.writeFile("var/lib/dpkg/info/qqvw-qt.list", "/usr/bin/qqvw-qt\n");
    tree.writeFile("usr/bin/qqvw-qt");
    tree.writeFile("var/lib/dpkg/info/qqmc-data.list", "/usr/share/qqmc/skins/default.ini\n");
    tree.writeFile("var/lib/dpkg/info/qqed-gtk.list", "/usr/bin/qqed.gtk\n");
    tree.writeFile("usr/share/qqmc/skins/default.ini");
    tree.writeFile("usr/bin/qqed.gtk");
    tree.writeFile("usr/bin/qqed");
    tree.makeFolder("home/me/.config/qqmc");
    tree.makeFolder("home/me/.config/qqed");
    tree.makeFolder("home/me/.config/qqtr");
    tree.makeFolder("home/me/.config/qqvw");
    const CliResult run = runCli({"scan", "--profile", "linux", "--format", "json", "--root", tree.root().native(),
                                  "--home", tree.path("home/me").native()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QHash<QString, QJsonObject> byName;
    for (const QJsonValue &value : QJsonDocument::fromJson(run.out).array())
        byName.insert(value["name"].toString(), value.toObject());
    EXPECT_EQ(byName.value("qqmc")["status"].toString(), "orphan");
    EXPECT_TRUE(byName.value("qqmc")["evidence"].toString().contains("only qqmc-data")) << run.out.toStdString();
    EXPECT_EQ(byName.value("qqed")["status"].toString(), "stale") << run.out.toStdString();
    // A toolkit's build of a project removed: gone, unless another build of that source is still installed.
    EXPECT_EQ(byName.value("qqtr")["status"].toString(), "orphan") << run.out.toStdString();
    EXPECT_EQ(byName.value("qqvw")["status"].toString(), "stale") << run.out.toStdString();
}

TEST(CliLinuxProfile, InventoryListsTheHomesSoftwareByKey)
{
    const DebianTree debian;
    const CliResult run = runCli({"inventory", "--profile", "linux", "--format", "json", "--root",
                                  debian.tree.root().native(), "--home", debian.home().native()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QHash<QString, QJsonObject> byKey;
    for (const QJsonValue &value : QJsonDocument::fromJson(run.out).array())
        byKey.insert(value["key"].toString(), value.toObject());
    EXPECT_EQ(byKey.value("gimp")["owner"].toString(), "gimp");
    EXPECT_EQ(byKey.value("gimp")["kind"].toString(), "package");
    EXPECT_EQ(byKey.value("orggnomeboxes")["kind"].toString(), "Flatpak app") << run.out.toStdString();
}

// Leftovers of the Linux profile go to the Trash like the Mac's; what the scan does not list stays.
TEST(CliLinuxProfile, TrashMovesOnlyWhatTheScanLists)
{
    const LinuxDemoHome demo;
    auto trash = [&](const char *path) {
        return runCli({"trash", "--profile", "linux", "--root", demo.root().native(), "--home", demo.home().native(),
                       (demo.home() / path).native()})
            .exitCode;
    };
    EXPECT_EQ(trash(".config/discord"), 0);
    EXPECT_FALSE(fs::exists(demo.home() / ".config/discord"));
    EXPECT_TRUE(fs::exists(demo.home() / ".local/share/Trash/files/discord"));
    for (const char *kept : {".config/dconf", ".config", ".local/share/Trash"}) {
        EXPECT_EQ(trash(kept), 4) << kept;
        EXPECT_TRUE(fs::exists(demo.home() / kept)) << kept;
    }

    // It goes back with the profile given, or chosen by the home.
    for (const std::vector<std::string> &profile : {std::vector<std::string>{"--profile", "linux"}, {}}) {
        std::vector<std::string> restore = {"restore", "--root", demo.root().native(), "--home", demo.home().native()};
        restore.insert(restore.end(), profile.begin(), profile.end());
        restore.push_back((demo.home() / ".config/discord").native());
        const CliResult run = runCli(restore);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(fs::exists(demo.home() / ".config/discord"));
        EXPECT_FALSE(fs::exists(demo.home() / ".local/share/Trash/files/discord"));
        if (!profile.empty()) {
            EXPECT_EQ(trash(".config/discord"), 0);
        }
    }
}

} // namespace
