// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/NameCandidates.h"
#include "CliRun.h"
#include "QtPrinters.h"
#include "TempTree.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

QStringList namesOf(const std::vector<NameCandidates::Candidate> &candidates, NameCandidates::Strength strength)
{
    QStringList names;
    for (const NameCandidates::Candidate &candidate : candidates) {
        if (candidate.strength == strength)
            names.append(candidate.name);
    }
    return names;
}

TEST(NameCandidates, SuffixesVersionsAndProjects)
{
    struct Case {
        const char *name;
        const char *strong;
    };
    for (const Case &c : {Case{".vimrc", "vim"},
                          {".gitconfig", "git"},
                          {".psql_history", "psql"},
                          {".node_repl_history", "node"},
                          {".tmux.conf", "tmux"},
                          {".audacity-data", "audacity"},
                          {".emacs.d", "emacs"},
                          {"okularpartrc", "okular"},
                          {".gimp-2.10", "gimp"},
                          {"gegl-0.4", "gegl"},
                          {"gstreamer-1.0", "gstreamer"},
                          {"Anki2", "Anki"},
                          {"Code - OSS", "Code"},
                          {"org.gnome.Boxes", "Boxes"},
                          {".git-credentials", "git"},
                          {"qt5ct.conf", "qt5ct"},
                          {".gnuplot-history", "gnuplot"},
                          {"hexchat.cfg", "hexchat"},
                          {"mc.ini", "mc"},
                          {"gh.yml", "gh"},
                          {"starship.toml", "starship"},
                          {"htop.json", "htop"},
                          {"kmail2rc", "kmail"},
                          {".gitignore_global", "git"},
                          {".vimrc.local", "vim"},
                          {".bashrc.bak", "bash"},
                          {".emacs~", "emacs"},
                          {".gdbinit", "gdb"},
                          {".lesshst", "less"},
                          {"foo-2.x", "foo"}}) {
        const QStringList strong = NameCandidates::strong(QString::fromUtf8(c.name));
        EXPECT_TRUE(strong.contains(QString::fromUtf8(c.strong))) << c.name << ": " << strong.join(u' ').toStdString();
    }
    // A single word of a longer name and the start of a settings file's name are guesses.
    const auto gitAnnex = NameCandidates::of(QStringLiteral(".git-annex-cache"));
    EXPECT_TRUE(namesOf(gitAnnex, NameCandidates::Strength::weak).contains(QStringLiteral("annex")));
    EXPECT_FALSE(namesOf(gitAnnex, NameCandidates::Strength::strong).contains(QStringLiteral("annex")));
    EXPECT_TRUE(namesOf(NameCandidates::of(QStringLiteral("kritadisplayrc")), NameCandidates::Strength::prefix)
                    .contains(QStringLiteral("krita")));
    // What would be left is no name.
    for (const char *kept : {"i3", "x11-6", "mp3"})
        EXPECT_NE(NameCandidates::withoutVersion(QString::fromUtf8(kept)), QString()) << kept;
    EXPECT_EQ(NameCandidates::withoutVersion(QStringLiteral("i3")), QStringLiteral("i3"));
    EXPECT_EQ(NameCandidates::withoutVersion(QStringLiteral("x11-6")), QStringLiteral("x11"));
    EXPECT_EQ(NameCandidates::strong(QStringLiteral(".rc")), QStringList{QStringLiteral("rc")});

    EXPECT_EQ(NameCandidates::projectsOf(QStringLiteral("libgegl-0.4-0")),
              (QStringList{QStringLiteral("libgegl"), QStringLiteral("gegl")}));
    EXPECT_EQ(NameCandidates::projectsOf(QStringLiteral("libpurple0t64")),
              (QStringList{QStringLiteral("libpurple"), QStringLiteral("purple")}));
    EXPECT_EQ(NameCandidates::projectsOf(QStringLiteral("vim-common")), QStringList{QStringLiteral("vim")});
    EXPECT_EQ(NameCandidates::projectsOf(QStringLiteral("postgresql-client-15")),
              QStringList{QStringLiteral("postgresql")});
    EXPECT_EQ(NameCandidates::projectsOf(QStringLiteral("python3-pip")), QStringList{QStringLiteral("pip")});
    EXPECT_TRUE(NameCandidates::projectsOf(QStringLiteral("gimp")).isEmpty());
    EXPECT_TRUE(NameCandidates::projectsOf(QStringLiteral("gnome-core")).isEmpty());
}

// A Debian home with the entries installed programs really write, those of removed programs, and the desktop's own.
struct ProgramsHome {
    TempTree tree;
    ProgramsHome()
    {
        struct Package {
            const char *name;
            std::vector<const char *> files;
        };
        const std::vector<Package> installed = {
            {"git", {"/usr/bin/git"}},
            {"gitk", {"/usr/bin/gitk"}},
            {"vim", {"/usr/bin/vim.basic"}},
            {"vim-common", {"/usr/share/vim/vimrc"}},
            {"tmux", {"/usr/bin/tmux"}},
            {"postgresql-client-common", {"/usr/bin/psql"}},
            {"sqlite3", {"/usr/bin/sqlite3"}},
            {"nodejs", {"/usr/bin/node"}},
            {"emacs-gtk", {"/usr/bin/emacs-gtk"}},
            {"python3-pip", {"/usr/bin/pip3", "/usr/lib/python3/dist-packages/pip/__init__.py"}},
            {"audacity", {"/usr/bin/audacity", "/usr/share/applications/audacity.desktop"}},
            {"okular", {"/usr/bin/okular", "/usr/share/applications/org.kde.okular.desktop"}},
            {"ipython3", {"/usr/bin/ipython3"}},
            {"gimp", {"/usr/bin/gimp-2.10"}},
            {"libgegl-0.4-0", {"/usr/lib/x86_64-linux-gnu/libgegl-0.4.so.0"}},
            {"libbabl-0.1-0", {"/usr/lib/x86_64-linux-gnu/libbabl-0.1.so.0"}},
            {"libgstreamer1.0-0", {"/usr/lib/x86_64-linux-gnu/libgstreamer-1.0.so.0"}},
            {"libpurple0t64", {"/usr/lib/x86_64-linux-gnu/libpurple.so.0"}},
            {"wget", {"/usr/bin/wget"}},
            {"gnome-shell", {"/usr/bin/gnome-shell"}},
            // A desktop's application, named like its components.
            {"plasma-systemmonitor",
             {"/usr/bin/plasma-systemmonitor", "/usr/share/applications/org.kde.plasma-systemmonitor.desktop"}},
        };
        std::string status;
        for (const Package &package : installed) {
            status += std::string("Package: ") + package.name + "\nStatus: install ok installed\n\n";
            std::string list;
            for (const char *file : package.files) {
                list += std::string(file) + "\n";
                if (std::string_view(file).ends_with(".desktop"))
                    tree.writeFile(file + 1, "[Desktop Entry]\nName=App\nExec=" + std::string(package.files[0]) + "\n");
                else
                    tree.writeFile(file + 1);
            }
            tree.writeFile(std::string("var/lib/dpkg/info/") + package.name + ".list", list);
        }
        status += "Package: kdenlive\nStatus: deinstall ok config-files\n\n";
        tree.writeFile("var/lib/dpkg/status", status);
        tree.writeFile("var/log/dpkg.log", "2026-01-02 10:00:00 remove gnome-mines:amd64 1:40.1-1 <none>\n"
                                           "2026-01-02 10:00:01 remove qqcalc:amd64 2.1-1 <none>\n"
                                           "2026-01-02 10:00:02 remove hexchat:amd64 2.16.1-1 <none>\n");
        tree.makeFolder("var/lib/flatpak/app/org.gnome.Boxes");
        tree.makeFolder("home/me");
    }
    fs::path home() const { return tree.path("home/me"); }
};

// Scans the home through the command line: each listed entry's record by its path below the home.
QHash<QString, QJsonObject> scan(const ProgramsHome &home)
{
    const CliResult run = runCli({"scan", "--profile", "linux", "--format", "json", "--root", home.tree.root().native(),
                                  "--home", home.home().native()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    QHash<QString, QJsonObject> records;
    for (const QJsonValue &value : QJsonDocument::fromJson(run.out).array()) {
        const QJsonObject record = value.toObject();
        records.insert(record["path"].toString().mid(int(home.home().native().size()) + 1), record);
    }
    return records;
}

TEST(CliLinuxNames, InstalledProgramsFilesAreNeverOrphansAndRemovedProgramsAre)
{
    const ProgramsHome home;
    const std::vector<const char *> installedFiles = {".vimrc",
                                                      ".gitconfig",
                                                      ".gitk",
                                                      ".psql_history",
                                                      ".sqlite_history",
                                                      ".tmux.conf",
                                                      ".wgetrc",
                                                      ".gitignore",
                                                      ".vimrc.local",
                                                      ".emacs",
                                                      ".node_repl_history",
                                                      ".config/okularpartrc",
                                                      ".config/okularrc",
                                                      ".config/plasma-systemmonitorrc"};
    const std::vector<const char *> installedFolders = {".vim",
                                                        ".emacs.d",
                                                        ".audacity-data",
                                                        ".ipython",
                                                        ".gimp-2.8",
                                                        ".config/GIMP",
                                                        ".cache/gegl-0.4",
                                                        ".local/share/gegl-0.4",
                                                        ".cache/babl",
                                                        ".cache/gstreamer-1.0",
                                                        ".local/share/org.kde.okular",
                                                        ".local/share/gnome-boxes",
                                                        ".config/git",
                                                        ".cache/pip"};
    for (const char *file : installedFiles)
        home.tree.writeFile(std::string("home/me/") + file, "x\n");
    for (const char *folder : installedFolders)
        home.tree.makeFolder(std::string("home/me/") + folder);
    const std::vector<const char *> removedFiles = {".qqcalcrc", ".hexchat_history", ".zzqx.conf",
                                                    ".config/kdenliverc"};
    // Only the library of the program that writes .purple is installed.
    const std::vector<const char *> removedFolders = {".local/share/gnome-mines", ".cache/qqlib-2.0", ".zzqx-1.2",
                                                      ".purple"};
    for (const char *file : removedFiles)
        home.tree.writeFile(std::string("home/me/") + file, "x\n");
    for (const char *folder : removedFolders)
        home.tree.makeFolder(std::string("home/me/") + folder);
    // Nothing was used lately: what is not installed's is an orphan.
    for (const auto *list : {&installedFiles, &installedFolders, &removedFiles, &removedFolders}) {
        for (const char *path : *list)
            home.tree.age(std::string("home/me/") + path, 400);
    }
    const std::vector<const char *> desktopFiles = {".bashrc",
                                                    ".profile",
                                                    ".bash_logout",
                                                    ".xsession-errors",
                                                    ".xsession-errors.old",
                                                    ".Xauthority",
                                                    ".ICEauthority",
                                                    ".dmrc",
                                                    ".face",
                                                    ".selected_editor",
                                                    ".sudo_as_admin_successful",
                                                    ".xinitrc",
                                                    ".zcompdump-me-5.9",
                                                    ".config/kwinrc",
                                                    ".config/kdeglobals",
                                                    ".config/plasma-org.kde.plasma.desktop-appletsrc"};
    const std::vector<const char *> desktopFolders = {".local/share/gnome-shell", ".cache/gnome-settings-daemon",
                                                      ".config/xfce4-session", ".config/gtk-3.0",
                                                      ".cache/qtshadercache-x86_64-little_endian-lp64"};
    for (const char *file : desktopFiles)
        home.tree.writeFile(std::string("home/me/") + file, "x\n");
    for (const char *folder : desktopFolders)
        home.tree.makeFolder(std::string("home/me/") + folder);

    const QHash<QString, QJsonObject> records = scan(home);
    for (const auto *list : {&installedFiles, &installedFolders}) {
        for (const char *path : *list) {
            const QJsonObject record = records.value(QString::fromUtf8(path));
            EXPECT_EQ(record["status"].toString(), "stale") << path;
            EXPECT_NE(record["matchedAppName"].toString(), "Unknown")
                << path << ": " << record["evidence"].toString().toStdString();
        }
    }
    EXPECT_EQ(records.value(".gitk")["evidence"].toString(),
              "'.gitk' names gitk: package name 'gitk' of package gitk, which is installed");
    EXPECT_EQ(records.value(".cache/gegl-0.4")["bundleIdentifier"].toString(), "gimp");
    EXPECT_TRUE(records.value(".config/okularpartrc")["evidence"].toString().contains("'okular'"));

    for (const auto *list : {&removedFiles, &removedFolders}) {
        for (const char *path : *list)
            EXPECT_EQ(records.value(QString::fromUtf8(path))["status"].toString(), "orphan") << path;
    }
    EXPECT_EQ(records.value(".qqcalcrc")["evidence"].toString(), "package qqcalc was removed and is not installed");
    EXPECT_TRUE(records.value(".local/share/gnome-mines")["evidence"].toString().contains("gnome-mines"));
    // An orphan's evidence says what was looked for.
    EXPECT_EQ(records.value(".zzqx-1.2")["evidence"].toString(),
              "no installed package, program, Flatpak app, snap or menu entry is named 'zzqx-1.2' or 'zzqx', nor a "
              "library or data package of that name");
    EXPECT_TRUE(records.value(".cache/qqlib-2.0")["evidence"].toString().contains("'qqlib-2.0' or 'qqlib'"));

    for (const auto *list : {&desktopFiles, &desktopFolders}) {
        for (const char *path : *list)
            EXPECT_FALSE(records.contains(QString::fromUtf8(path))) << path;
    }
}

// Files at the top of the home that hold passwords and tokens are the user's own, whoever wrote them.
TEST(CliLinuxNames, CredentialFilesAtTheTopOfTheHomeAreTold)
{
    const ProgramsHome home;
    const std::vector<const char *> files = {".netrc",  ".pgpass",   ".my.cnf",     ".git-credentials",
                                             ".pypirc", ".authinfo", ".fetchmailrc"};
    for (const char *file : files)
        home.tree.writeFile(std::string("home/me/") + file, "machine example.org login me password secret\n");
    const QHash<QString, QJsonObject> records = scan(home);
    for (const char *file : files) {
        ASSERT_TRUE(records.contains(QString::fromUtf8(file))) << file;
        EXPECT_EQ(QJsonDocument(records.value(file)["userFiles"].toObject()).toJson(QJsonDocument::Compact),
                  R"({"credentials":1})")
            << file;
    }
}

} // namespace
