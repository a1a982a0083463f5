// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtPrinters.h"
#include "TempTree.h"
#include "linuxdesktop/LinuxInventory.h"
#include "platform/PosixPlatform.h"
#include "ui/EvidenceText.h"

#include <QDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

QString formOf(const LinuxInventory &inventory, const char *name)
{
    const auto match = inventory.find(QString::fromUtf8(name));
    return match ? match->owner.id + u' ' + EvidenceText::form(match->form, EvidenceText::Language::english)
                 : QString();
}

QString removalOf(const LinuxInventory &inventory, const char *name)
{
    const char *const records[] = {"dpkg database", "dpkg log", "apt history", "dnf log", "pacman log"};
    const auto removal = inventory.removal(QString::fromUtf8(name));
    return removal ? QStringLiteral("%1 %2 %3")
                         .arg(removal->name, removal->date, QString::fromUtf8(records[int(removal->record)]))
                   : QString();
}

} // namespace

TEST(LinuxInventorySources, DpkgNamesSourcesFoldersAndRemovals)
{
    TempTree tree;
    tree.writeFile("var/lib/dpkg/status",
                   "Package: libpurple0\nStatus: install ok installed\nArchitecture: amd64\n"
                   "Source: pidgin (2.14.12-1)\n\n"
                   "Package: libgegl-0.4-0\nStatus: install ok installed\nArchitecture: amd64\nSource: gegl\n\n"
                   "Package: libgstreamer1.0-0\nStatus: install ok installed\nArchitecture: amd64\n"
                   "Source: gstreamer1.0\n\n"
                   "Package: gstreamer1.0-plugins-good\nStatus: install ok installed\nArchitecture: amd64\n\n"
                   "Package: tool-a\nStatus: install ok installed\nArchitecture: amd64\n\n"
                   "Package: tool-b\nStatus: install ok installed\nArchitecture: all\n\n"
                   "Package: oldeditor\nStatus: deinstall ok config-files\nArchitecture: amd64\n"
                   "Source: oldeditor-suite\nConffiles:\n /etc/oldeditor-3/settings.conf 0123abcd\n"
                   " /etc/default/oldeditor 4567ef01\n /etc/pulse/client.conf 89ab\n\n"
                   "Package: leftconf\nStatus: deinstall ok config-files\nArchitecture: amd64\n");
    tree.writeFile("var/lib/dpkg/info/libpurple0:amd64.list", "/.\n/usr\n/usr/lib/x86_64-linux-gnu/purple-2\n"
                                                              "/usr/lib/x86_64-linux-gnu/purple-2/irc.so\n");
    tree.writeFile("var/lib/dpkg/info/libgegl-0.4-0.list",
                   "/usr/lib/x86_64-linux-gnu/gegl-0.4/png.so\n/usr/lib/x86_64-linux-gnu/libgegl-0.4.so.0\n"
                   "/usr/share/doc/libgegl-0.4-0/copyright\n/usr/share/locale/de/LC_MESSAGES/gegl.mo\n");
    tree.writeFile("var/lib/dpkg/info/libgstreamer1.0-0.list",
                   "/usr/lib/x86_64-linux-gnu/gstreamer-1.0/libgstcore.so\n/usr/share/doc/libgstreamer1.0-0/x\n");
    tree.writeFile("var/lib/dpkg/info/gstreamer1.0-plugins-good.list",
                   "/usr/lib/x86_64-linux-gnu/gstreamer-1.0/libgstgood.so\n");
    // A folder that two unrelated programs share names neither; one program's own folders, commands and menu
    // entries name it.
    tree.writeFile("var/lib/dpkg/info/tool-a.list",
                   "/usr/share/sharedstuff/a\n/etc/pulse/a.conf\n/usr/bin/tool-a\n/usr/libexec/tool-a-helper/run\n"
                   "/etc/webserver\n/etc/webserver/conf-available\n/etc/webserver/conf-available/tool-a.conf\n/etc/"
                   "logwatch/ignore.d.server/tool-a\n");
    tree.writeFile("var/lib/dpkg/info/tool-b.list", "/usr/share/sharedstuff/b\n/usr/games/toolb-run\n"
                                                    "/usr/share/applications/org.example.Viewer.desktop\n");
    // Removals in both the rotated and the current log, the later one kept; apt's history tells its own.
    tree.writeFile("var/log/dpkg.log.1", "2026-10-01 09:00:00 remove oldeditor:amd64 3.0-1 <none>\n"
                                         "2026-10-01 09:00:01 status half-installed oldeditor:amd64 3.0-1\n"
                                         "2026-10-03 09:00:00 purge gonegame:amd64 1.0-1 <none>\n");
    tree.writeFile("var/log/dpkg.log", "2026-11-02 10:00:00 remove oldeditor:amd64 3.0-2 <none>\n"
                                       "2026-11-05 10:00:00 remove gonetool 2.1 <none>\n"
                                       "garbage remove line\n");
    tree.writeFile("var/log/apt/history.log",
                   "Start-Date: 2026-11-07  12:00:01\nCommandline: apt remove chatapp\n"
                   "Remove: chatapp:amd64 (1.2-1), chatapp-data:all (1.2-1)\nPurge: oldviewer:amd64 (0.9)\n"
                   "End-Date: 2026-11-07  12:00:09\n");
    tree.makeFolder("home/me");
    const PosixPlatform platform(tree.root(), tree.path("home/me"));
    const LinuxInventory inventory = LinuxInventory::build(platform);

    EXPECT_EQ(formOf(inventory, "libpurple0"), "libpurple0 package name 'libpurple0'");
    EXPECT_EQ(formOf(inventory, "pidgin"), "libpurple0 source package 'pidgin'");
    EXPECT_EQ(formOf(inventory, "purple-2"), "libpurple0 folder '/usr/lib/x86_64-linux-gnu/purple-2'");
    EXPECT_EQ(formOf(inventory, "purple"), "libpurple0 folder '/usr/lib/x86_64-linux-gnu/purple-2'");
    EXPECT_EQ(formOf(inventory, "gegl-0.4"), "libgegl-0.4-0 folder '/usr/lib/x86_64-linux-gnu/gegl-0.4'");
    EXPECT_EQ(formOf(inventory, "gegl"), "libgegl-0.4-0 source package 'gegl'");
    // Two sources put files in gstreamer-1.0; it is named after one of them.
    EXPECT_EQ(formOf(inventory, "gstreamer"), "libgstreamer1.0-0 folder '/usr/lib/x86_64-linux-gnu/gstreamer-1.0'");
    EXPECT_EQ(formOf(inventory, "tool-a-helper"), "tool-a folder '/usr/libexec/tool-a-helper'");
    EXPECT_EQ(formOf(inventory, "toolb-run"), "tool-b executable 'toolb-run'");
    EXPECT_EQ(formOf(inventory, "Viewer"), "tool-b desktop-file ID 'org.example.Viewer'");
    EXPECT_EQ(formOf(inventory, "pulse"), "tool-a folder '/etc/pulse'");
    for (const char *shared :
         {"sharedstuff", "webserver", "logwatch", "doc", "locale", "LC_MESSAGES", "usr", "x86_64-linux-gnu"})
        EXPECT_EQ(formOf(inventory, shared), QString()) << shared;

    EXPECT_EQ(removalOf(inventory, "oldeditor"), "oldeditor 2026-11-02 dpkg log");
    EXPECT_EQ(removalOf(inventory, "oldeditor-suite"), "oldeditor 2026-11-02 dpkg log");
    EXPECT_EQ(removalOf(inventory, "oldeditor-3"), "oldeditor 2026-11-02 dpkg log");
    EXPECT_EQ(removalOf(inventory, "gonegame"), "gonegame 2026-10-03 dpkg log");
    EXPECT_EQ(removalOf(inventory, "gonetool"), "gonetool 2026-11-05 dpkg log");
    EXPECT_EQ(removalOf(inventory, "chatapp-data"), "chatapp-data 2026-11-07 apt history");
    EXPECT_EQ(removalOf(inventory, "oldviewer"), "oldviewer 2026-11-07 apt history");
    EXPECT_EQ(removalOf(inventory, "leftconf"), "leftconf  dpkg database");
    // An installed package's folder is never a removed one's, nor is a folder every system shares.
    EXPECT_EQ(removalOf(inventory, "pulse"), QString());
    EXPECT_EQ(removalOf(inventory, "default"), QString());
    EXPECT_EQ(inventory.removedPackage(QStringLiteral("Old_Editor")), QStringLiteral("oldeditor"));
    EXPECT_FALSE(inventory.hasPackage(QStringLiteral("oldeditor")));
    EXPECT_EQ(inventory.ownerOfFile(QStringLiteral("/usr/games/toolb-run"))->id, QStringLiteral("tool-b"));
}

TEST(LinuxInventorySources, PacmanDatabaseAndTheOtherLogs)
{
    TempTree tree;
    tree.writeFile("var/lib/pacman/local/gimp-2.10.36-1/desc",
                   "%NAME%\ngimp\n\n%VERSION%\n2.10.36-1\n\n%BASE%\ngimp\n\n");
    tree.writeFile("var/lib/pacman/local/gimp-2.10.36-1/files",
                   "%FILES%\nusr/\nusr/bin/\nusr/bin/gimp-2.10\nusr/lib/gimp/2.0/plug-ins/x\n\n%BACKUP%\n");
    tree.writeFile("var/lib/pacman/local/qt6-svg-6.6.0-1/desc", "%NAME%\nqt6-svg\n\n%BASE%\nqt6-svg-base\n\n");
    tree.makeFolder("var/lib/pacman/local/broken-1.0-1");
    tree.writeFile("var/log/pacman.log", "[2026-11-03T08:00:00+0100] [ALPM] removed oldgame (1.0-1)\n"
                                         "[2026-11-04T08:00:00+0100] [ALPM] installed other (1.0-1)\n"
                                         "[2019-01-02 10:00] [ALPM] removed ancient (0.1-1)\n");
    tree.writeFile("var/log/dnf.rpm.log", "2026-11-05T10:00:00+0000 SUBDEBUG Erase: oldtool-2:1.4-3.fc38.x86_64\n"
                                          "2026-11-05T10:00:01+0000 SUBDEBUG Cleanup: upgraded-1.0-1.fc38.x86_64\n"
                                          "2026-11-06T10:00:00+0000 INFO Removed: other-thing-0.9-1.fc39.noarch\n");
    tree.makeFolder("home/me");
    const PosixPlatform platform(tree.root(), tree.path("home/me"));
    const LinuxInventory inventory = LinuxInventory::build(platform);

    EXPECT_EQ(formOf(inventory, "gimp"), "gimp package name 'gimp'");
    EXPECT_EQ(formOf(inventory, "gimp-2.10"), "gimp executable 'gimp-2.10'");
    EXPECT_EQ(formOf(inventory, "qt6-svg-base"), "qt6-svg source package 'qt6-svg-base'");
    EXPECT_TRUE(inventory.hasPackage(QStringLiteral("gimp")));
    EXPECT_EQ(removalOf(inventory, "oldgame"), "oldgame 2026-11-03 pacman log");
    EXPECT_EQ(removalOf(inventory, "ancient"), "ancient 2019-01-02 pacman log");
    EXPECT_EQ(removalOf(inventory, "other"), QString());
    EXPECT_EQ(removalOf(inventory, "oldtool"), "oldtool 2026-11-05 dnf log");
    EXPECT_EQ(removalOf(inventory, "other-thing"), "other-thing 2026-11-06 dnf log");
    EXPECT_EQ(removalOf(inventory, "upgraded"), QString());
}

// A real rpm database needs packages built with rpmbuild first; a stand-in on the PATH answers as rpm does and
// writes down how it was asked.
TEST(LinuxInventorySources, RpmDatabaseThroughTheRpmCommand)
{
    TempTree tree;
    tree.writeFile("var/lib/rpm/rpmdb.sqlite");
    tree.makeFolder("home/me");
    const fs::path rpm = tree.writeFile(
        "bin/rpm", "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/arguments\"\n"
                   "printf 'inkscape\\tinkscape-1.3-1.fc39.src.rpm\\n/usr/bin/inkscape\\n/usr/share/inkscape/x\\n"
                   "python3-inkex\\tinkscape-1.3-1.fc39.src.rpm\\n/usr/lib/python3.12/site-packages/inkex/a.py\\n"
                   "gpg-pubkey\\t(none)\\n'\n");
    chmod(rpm.c_str(), 0755);
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(QString::fromStdString(tree.path("bin").string())) + ':' + savedPath);
    const PosixPlatform platform(tree.root(), tree.path("home/me"));
    const LinuxInventory inventory = LinuxInventory::build(platform);
    qputenv("PATH", savedPath);

    EXPECT_EQ(formOf(inventory, "inkscape"), "inkscape package name 'inkscape'");
    // The interpreter's folder of modules holds every module's package.
    EXPECT_EQ(formOf(inventory, "python3.12"), QString());
    EXPECT_EQ(formOf(inventory, "gpg-pubkey"), QString());
    EXPECT_TRUE(inventory.hasPackage(QStringLiteral("python3-inkex")));
    const std::string arguments = TempTree::readFile(tree.path("bin/arguments"));
    EXPECT_NE(arguments.find("--root\n" + tree.root().string()), std::string::npos) << arguments;
    EXPECT_NE(arguments.find("--dbpath\n/var/lib/rpm\n"), std::string::npos) << arguments;

    // Without a database rpm is not asked.
    fs::remove(tree.path("var/lib/rpm/rpmdb.sqlite"));
    fs::remove(tree.path("bin/arguments"));
    qputenv("PATH", QFile::encodeName(QString::fromStdString(tree.path("bin").string())) + ':' + savedPath);
    EXPECT_EQ(formOf(LinuxInventory::build(platform), "inkscape"), QString());
    qputenv("PATH", savedPath);
    EXPECT_FALSE(fs::exists(tree.path("bin/arguments")));
}

TEST(LinuxInventorySources, NixHomebrewAndTheUsersOwnInstalls)
{
    TempTree tree;
    tree.makeSymlink("home/me/.nix-profile/bin/hello", "/nix/store/0c5kq9a2-gnu-hello-2.12.1/bin/hello");
    tree.writeFile("home/me/.nix-profile/manifest.json",
                   R"({"version": 3, "elements": {"ripgrep": {"storePaths": ["/nix/store/9x-ripgrep-14.0.3"]}}})");
    tree.makeSymlink("run/current-system/sw/bin/firefox", "/nix/store/7h-firefox-120.0/bin/firefox");
    tree.makeFolder("home/linuxbrew/.linuxbrew/Cellar/python@3.12/3.12.1/bin");
    tree.makeSymlink("home/linuxbrew/.linuxbrew/opt/python3", "../Cellar/python@3.12/3.12.1");
    tree.makeSymlink("home/linuxbrew/.linuxbrew/bin/pip3.12", "../Cellar/python@3.12/3.12.1/bin/pip3.12");
    tree.makeSymlink("home/linuxbrew/.linuxbrew/bin/stray", "/usr/bin/stray");
    tree.writeFile("home/me/.cargo/.crates2.json",
                   R"json({"installs": {"du-dust 0.8.6 (registry+https://github.com/rust-lang/crates.io-index)": )json"
                   R"json({"bins": ["dust"]}}})json");
    tree.writeFile("home/me/.cargo/bin/dust");
    tree.writeFile("home/me/.cargo/bin/rustup");
    tree.makeFolder("home/me/.local/share/pipx/venvs/black");
    tree.makeSymlink("home/me/.local/bin/blackd",
                     tree.path("home/me/.local/share/pipx/venvs/black/bin/blackd").string());
    tree.writeFile("home/me/.npmrc", "color=false\nprefix = ${HOME}/.npm-packages\n");
    tree.makeFolder("home/me/.npm-packages/lib/node_modules/typescript");
    tree.makeFolder("home/me/.npm-packages/lib/node_modules/@vue/cli");
    tree.makeSymlink("home/me/.npm-packages/bin/tsc", "../lib/node_modules/typescript/bin/tsc");
    tree.writeFile("home/me/go/bin/gopls");
    tree.makeFolder("home/me/.local/share/JetBrains/Toolbox/apps/pycharm-community");
    const PosixPlatform platform(tree.root(), tree.path("home/me"));
    const LinuxInventory inventory = LinuxInventory::build(platform);

    EXPECT_EQ(formOf(inventory, "gnu-hello"), "gnu-hello Nix package 'gnu-hello'");
    EXPECT_EQ(formOf(inventory, "hello"), "gnu-hello executable 'hello'");
    EXPECT_EQ(formOf(inventory, "ripgrep"), "ripgrep Nix package 'ripgrep'");
    EXPECT_EQ(formOf(inventory, "firefox"), "firefox Nix package 'firefox'");
    EXPECT_EQ(formOf(inventory, "python@3.12"), "python@3.12 Homebrew formula 'python@3.12'");
    EXPECT_EQ(formOf(inventory, "python3"), "python@3.12 Homebrew formula 'python3'");
    EXPECT_EQ(formOf(inventory, "pip3.12"), "python@3.12 executable 'pip3.12'");
    EXPECT_EQ(formOf(inventory, "stray"), QString());
    EXPECT_EQ(formOf(inventory, "du-dust"), "du-dust cargo crate 'du-dust'");
    EXPECT_EQ(formOf(inventory, "dust"), "du-dust executable 'dust'");
    EXPECT_EQ(formOf(inventory, "rustup"),
              QString::fromStdString(tree.path("home/me/.cargo/bin/rustup").string()) + " executable 'rustup'");
    EXPECT_EQ(formOf(inventory, "black"), "black pipx package 'black'");
    EXPECT_EQ(formOf(inventory, "blackd"), "black executable 'blackd'");
    EXPECT_EQ(formOf(inventory, "typescript"), "typescript npm package 'typescript'");
    EXPECT_EQ(formOf(inventory, "tsc"), "typescript executable 'tsc'");
    EXPECT_EQ(formOf(inventory, "@vue/cli"), "@vue/cli npm package '@vue/cli'");
    EXPECT_EQ(formOf(inventory, "gopls"),
              QString::fromStdString(tree.path("home/me/go/bin/gopls").string()) + " executable 'gopls'");
    EXPECT_EQ(formOf(inventory, "pycharm-community"), "pycharm-community JetBrains Toolbox app 'pycharm-community'");

    // Older cargo keeps its record in TOML only.
    fs::remove(tree.path("home/me/.cargo/.crates2.json"));
    tree.writeFile("home/me/.cargo/.crates.toml",
                   "[v1]\n\"du-dust 0.8.6 (registry+https://github.com/rust-lang/crates.io-index)\" = [\"dust\"]\n"
                   "\"cargo-edit 0.12.2 (registry+https://github.com/rust-lang/crates.io-index)\" = "
                   "[\"cargo-add\", \"cargo-rm\"]\n");
    const LinuxInventory older = LinuxInventory::build(platform);
    EXPECT_EQ(formOf(older, "dust"), "du-dust executable 'dust'");
    EXPECT_EQ(formOf(older, "cargo-rm"), "cargo-edit executable 'cargo-rm'");
}
