// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "demo/LinuxDemoHome.h"

#include "model/Clock.h"

#include <QDateTime>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct File {
    std::string_view path; // below the root; "~/" is the home
    std::string_view contents;
    int kilobytes = 0; // filler after the contents
};

struct Age {
    std::string_view path;
    int daysAgo;
};

const std::vector<File> &files()
{
    static const std::vector<File> list{
        // The package database: installed packages, and two removed ones whose settings dpkg still knows.
        {"var/lib/dpkg/status",
         "Package: firefox-esr\nStatus: install ok installed\nArchitecture: amd64\nVersion: 115.6.0esr-1\n\n"
         "Package: gimp\nStatus: install ok installed\nArchitecture: amd64\nVersion: 2.10.34-1\n\n"
         "Package: vlc\nStatus: install ok installed\nArchitecture: amd64\nVersion: 3.0.20-1\n\n"
         "Package: code\nStatus: install ok installed\nArchitecture: amd64\nVersion: 1.85.2-1705561292\n\n"
         "Package: libreoffice-core\nStatus: install ok installed\nArchitecture: amd64\nMulti-Arch: same\n"
         "Version: 4:7.4.7-1\n\n"
         "Package: syncthing\nStatus: install ok installed\nArchitecture: amd64\nVersion: 1.19.2~ds1-1\n\n"
         "Package: flatpak\nStatus: install ok installed\nArchitecture: amd64\nVersion: 1.14.4-1\n\n"
         "Package: discord\nStatus: deinstall ok config-files\nArchitecture: amd64\nVersion: 0.0.39\n\n"
         "Package: obs-studio\nStatus: deinstall ok config-files\nArchitecture: amd64\nVersion: 29.0.2\n"},
        {"var/lib/dpkg/info/firefox-esr.list",
         "/.\n/usr\n/usr/bin\n/usr/bin/firefox-esr\n/usr/lib/firefox-esr/firefox-esr\n"
         "/usr/share/applications/firefox-esr.desktop\n"},
        {"var/lib/dpkg/info/gimp.list", "/usr/bin/gimp\n/usr/bin/gimp-2.10\n/usr/share/applications/gimp.desktop\n"},
        {"var/lib/dpkg/info/vlc.list", "/usr/bin/vlc\n/usr/share/applications/vlc.desktop\n"},
        {"var/lib/dpkg/info/code.list", "/usr/bin/code\n/usr/share/code/code\n/usr/share/applications/code.desktop\n"},
        {"var/lib/dpkg/info/libreoffice-core:amd64.list", "/usr/bin/libreoffice\n/usr/bin/soffice\n"},
        {"var/lib/dpkg/info/syncthing.list", "/usr/bin/syncthing\n/usr/share/applications/syncthing-start.desktop\n"},
        {"var/lib/dpkg/info/flatpak.list", "/usr/bin/flatpak\n"},
        {"usr/bin/firefox-esr", "#!/bin/sh\n"},
        {"usr/lib/firefox-esr/firefox-esr", "", 64},
        {"usr/bin/gimp", "", 8},
        {"usr/bin/gimp-2.10", "", 8},
        {"usr/bin/vlc", "", 4},
        {"usr/bin/code", "#!/bin/sh\n"},
        {"usr/share/code/code", "", 64},
        {"usr/bin/libreoffice", "#!/bin/sh\n"},
        {"usr/bin/soffice", "#!/bin/sh\n"},
        {"usr/bin/syncthing", "", 16},
        {"usr/bin/flatpak", "", 8},
        {"usr/bin/bash", "", 8},
        {"usr/share/applications/firefox-esr.desktop",
         "[Desktop Entry]\nName=Firefox ESR\nExec=/usr/lib/firefox-esr/firefox-esr %u\nIcon=firefox-esr\n"
         "StartupWMClass=Firefox-esr\nType=Application\n"},
        {"usr/share/applications/gimp.desktop",
         "[Desktop Entry]\nName=GNU Image Manipulation Program\nExec=gimp-2.10 %U\nIcon=gimp\n"
         "StartupWMClass=gimp-2.10\nType=Application\n"},
        {"usr/share/applications/vlc.desktop",
         "[Desktop Entry]\nName=VLC media player\nExec=/usr/bin/vlc --started-from-file %U\nIcon=vlc\n"},
        {"usr/share/applications/code.desktop",
         "[Desktop Entry]\nName=Visual Studio Code\nExec=/usr/share/code/code --unity-launch %F\nIcon=vscode\n"
         "StartupWMClass=Code\nType=Application\n"},
        {"usr/share/applications/syncthing-start.desktop",
         "[Desktop Entry]\nName=Start Syncthing\nExec=/usr/bin/syncthing serve --no-browser\nType=Application\n"},
        // A Flatpak app, a snap and a program in /opt.
        {"var/lib/flatpak/app/org.gnome.Boxes/current/active/metadata", "[Application]\nname=org.gnome.Boxes\n"},
        {"var/lib/flatpak/exports/share/applications/org.gnome.Boxes.desktop",
         "[Desktop Entry]\nName=Boxes\nExec=/usr/bin/flatpak run --branch=stable --arch=x86_64 org.gnome.Boxes\n"
         "Icon=org.gnome.Boxes\n"},
        {"snap/spotify/current/meta/snap.yaml", "name: spotify\n"},
        {"opt/google/chrome/chrome", "", 64},

        // What installed software keeps in the home.
        {"~/.config/GIMP/2.10/gimprc", "(show-tips no)\n"},
        {"~/.config/vlc/vlcrc", "[qt]\n", 2},
        {"~/.config/Code/User/settings.json", "{}\n", 24},
        {"~/.config/libreoffice/4/user/registrymodifications.xcu", "<items/>\n", 12},
        {"~/.config/google-chrome/Default/Preferences", "{}\n", 96},
        {"~/.config/syncthing/config.xml", "<configuration/>\n"},
        {"~/.config/autostart/syncthing-start.desktop",
         "[Desktop Entry]\nName=Start Syncthing\nExec=/usr/bin/syncthing serve --no-browser\nType=Application\n"},
        {"~/.config/systemd/user/syncthing.service",
         "[Unit]\nDescription=Syncthing\n\n[Service]\nExecStart=/usr/bin/syncthing serve --no-browser\n"},
        {"~/.cache/mozilla/firefox/abcd.default-esr/startupCache/startupCache.8.little", "", 480},
        {"~/.cache/vlc/art/artistalbum/cover.jpg", "", 32},
        {"~/.cache/gimp/2.10/thumbnails.db", "", 8},
        {"~/.mozilla/firefox/profiles.ini", "[Profile0]\nName=default-esr\n", 256},
        {"~/.var/app/org.gnome.Boxes/config/glib-2.0/settings/keyfile", "", 1},
        {"~/snap/spotify/common/.cache/data", "", 128},
        {"~/.local/share/vlc/ml.xspf", "", 4},

        // What removed software left behind.
        {"~/.config/discord/Local Storage/leveldb/000003.log", "", 180},
        {"~/.config/discord/settings.json", "{}\n"},
        {"~/.config/obs-studio/basic/profiles/Untitled/basic.ini", "[General]\n", 2},
        {"~/.config/Slack/storage/root-state.json", "{}\n", 40},
        {"~/.config/autostart/discord.desktop",
         "[Desktop Entry]\nName=Discord\nExec=/usr/share/discord/Discord\nType=Application\n"},
        {"~/.config/systemd/user/dropbox.service", "[Service]\nExecStart=/opt/dropbox/dropboxd\nRestart=on-failure\n"},
        {"~/.config/systemd/user/qvorta-sync.timer", "[Timer]\nOnCalendar=daily\nUnit=qvorta-sync.service\n"},
        {"~/.config/systemd/user/qvorta-sync.service", "[Service]\nExecStart=%h/.local/bin/qvorta-sync --once\n"},
        {"~/.cache/discord/Cache/Cache_Data/data_1", "", 640},
        {"~/.cache/qvorta-sync/index", "", 16},
        {"~/.local/share/Steam/steamapps/common/Portal/portal.bin", "", 2048},
        {"~/.local/share/applications/com.obsproject.Studio.desktop",
         "[Desktop Entry]\nName=OBS Studio\nExec=flatpak run com.obsproject.Studio\n"},
        {"~/.local/state/qvorta-sync/journal", "", 4},
        {"~/.steam/registry.vdf", "", 4},
        {"~/.zoom/logs/zoom_stdout_stderr.log", "", 24},
        // What removed software left behind that the user still needs: a wallet, mail with saved logins, drafts.
        {"~/.electrum/config", "{\"auto_connect\": true}\n"},
        {"~/.electrum/wallets/default_wallet", "{\"seed_version\": 52, \"wallet_type\": \"standard\"}\n"},
        {"~/.electrum/blockchain_headers", "", 512},
        {"~/.thunderbird/installs.ini", "[Install]\nDefault=x7kq2p9d.default-release\n"},
        {"~/.thunderbird/x7kq2p9d.default-release/prefs.js", "user_pref(\"mail.server.server1.type\", \"imap\");\n"},
        {"~/.thunderbird/x7kq2p9d.default-release/logins.json", "{\"logins\": []}\n"},
        {"~/.thunderbird/x7kq2p9d.default-release/key4.db", "SQLite format 3", 288},
        {"~/.thunderbird/x7kq2p9d.default-release/Mail/Local Folders/Inbox", "From - Mon Jan  8 10:00:00 2024\n", 96},
        {"~/.thunderbird/x7kq2p9d.default-release/Mail/Local Folders/Inbox.msf",
         "// <!-- <mdb:mork:z v=\"1.4\"/> -->\n"},
        {"~/.thunderbird/x7kq2p9d.default-release/ImapMail/imap.example.org/INBOX.msf",
         "// <!-- <mdb:mork:z v=\"1.4\"/> -->\n", 8},
        {"~/.cache/thunderbird/x7kq2p9d.default-release/cache2/entries/3F8A1C0B", "", 64},
        {"~/.local/share/focuswriter/Documents/novel.odt", "PK\x03\x04", 40},
        {"~/.local/share/focuswriter/Documents/outline.md", "# Outline\n"},
        {"~/.local/share/focuswriter/Themes/paper.theme", "[Background]\n"},
        {"~/.cache/shotwell/thumbs/thumbs128/thumb000000000001.jpg", "\xff\xd8\xff\xe0", 12},
        {"~/.cache/shotwell/thumbs/thumbs128/thumb000000000002.jpg", "\xff\xd8\xff\xe0", 12},
        {"~/.cache/shotwell/thumbs/thumbs360/thumb000000000001.jpg", "\xff\xd8\xff\xe0", 30},
        {"~/.var/app/com.spotify.Client/cache/data", "", 300},

        // The desktop's own files, never listed.
        {"~/.config/dconf/user", "", 8},
        {"~/.config/pulse/cookie", "", 1},
        {"~/.config/gtk-3.0/bookmarks", "file:///home/demo/Documents\n"},
        {"~/.config/mimeapps.list", "[Default Applications]\n"},
        {"~/.config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"},
        {"~/.config/kdeglobals", "[General]\n"},
        {"~/.local/share/recently-used.xbel", "<xbel/>\n"},
        {"~/.local/share/keyrings/login.keyring", "", 1},
        {"~/.local/share/Trash/info/old.trashinfo", "[Trash Info]\nPath=/home/demo/old\n"},
        {"~/.cache/fontconfig/cache.cache-8", "", 16},
        {"~/.cache/thumbnails/normal/a.png", "", 4},
        {"~/.bashrc", "# ~/.bashrc\n"},
        {"~/.ssh/known_hosts", ""},
        {"~/Documents/notes.txt", "notes\n"},
    };
    return list;
}

// The entries' last use, in days before now; entries not named here keep the age of their parent's.
const std::vector<Age> &ages()
{
    static const std::vector<Age> list{
        {"~/.config/GIMP", 12},
        {"~/.config/vlc", 30},
        {"~/.config/Code", 1},
        {"~/.config/libreoffice", 90},
        {"~/.config/google-chrome", 3},
        {"~/.config/syncthing", 2},
        {"~/.config/autostart/syncthing-start.desktop", 200},
        {"~/.config/systemd/user/syncthing.service", 200},
        {"~/.cache/mozilla", 1},
        {"~/.cache/vlc", 30},
        {"~/.cache/gimp", 12},
        {"~/.mozilla", 1},
        {"~/.var/app/org.gnome.Boxes", 500},
        {"~/snap/spotify", 4},
        {"~/.local/share/vlc", 30},
        {"~/.config/discord", 420},
        {"~/.config/obs-studio", 610},
        {"~/.config/Slack", 20},
        {"~/.config/autostart/discord.desktop", 420},
        {"~/.config/systemd/user/dropbox.service", 900},
        {"~/.config/systemd/user/qvorta-sync.timer", 700},
        {"~/.config/systemd/user/qvorta-sync.service", 700},
        {"~/.cache/discord", 420},
        {"~/.cache/qvorta-sync", 700},
        {"~/.local/share/Steam", 800},
        {"~/.local/share/applications/com.obsproject.Studio.desktop", 610},
        {"~/.local/state/qvorta-sync", 700},
        {"~/.steam", 800},
        {"~/.zoom", 1100},
        {"~/.var/app/com.spotify.Client", 520},
        {"~/.electrum", 500},
        {"~/.thunderbird", 400},
        {"~/.cache/thunderbird", 400},
        {"~/.local/share/focuswriter", 450},
        {"~/.cache/shotwell", 600},
        // The removed sync tool's timer still runs it.
        {"~/.local/state/qvorta-sync/journal", 6},
    };
    return list;
}

void writeFile(const fs::path &path, const File &file)
{
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << file.contents << std::string(std::size_t(file.kilobytes) * 1024, 'x');
    if (!out)
        throw std::runtime_error("cannot write " + path.native());
}

void setAge(const fs::path &path, int daysAgo)
{
    const qint64 seconds = Clock::now().toSecsSinceEpoch() - qint64(daysAgo) * 86400;
    const timespec times[2] = {{time_t(seconds), 0}, {time_t(seconds), 0}};
    std::error_code error;
    std::vector<fs::path> paths{path};
    for (auto it = fs::recursive_directory_iterator(path, error); !error && it != fs::recursive_directory_iterator();
         it.increment(error))
        paths.push_back(it->path());
    for (const fs::path &each : paths)
        utimensat(AT_FDCWD, each.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

} // namespace

LinuxDemoHome::LinuxDemoHome()
{
    std::string pattern = (fs::temp_directory_path() / "leftscan-linux-demo-XXXXXX").native();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder for the demo: " + std::string(std::strerror(errno)));
    m_root = pattern;
    try {
        auto place = [this](std::string_view path) {
            return path.starts_with("~/") ? home() / path.substr(2) : m_root / path;
        };
        for (const File &file : files())
            writeFile(place(file.path), file);
        // Entries without an age of their own were used a week ago.
        for (const File &file : files())
            setAge(place(file.path), 7);
        for (const Age &age : ages())
            setAge(place(age.path), age.daysAgo);
    } catch (const std::exception &error) {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
        throw std::runtime_error(std::string("cannot write the demo: ") + error.what());
    }
}

LinuxDemoHome::~LinuxDemoHome()
{
    std::error_code ignored;
    fs::remove_all(m_root, ignored);
}

fs::path LinuxDemoHome::home() const
{
    return m_root / "home" / "demo";
}
