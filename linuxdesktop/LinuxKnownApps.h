// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <span>

// Linux applications and the names they write in a home, with the names they are installed under on Debian and
// Ubuntu, Fedora, Arch and openSUSE, on Flathub and in the Snap Store; kept in the data file LinuxKnownApps.tsv.
// Also the files that libraries and tools shared by many programs read under names of their own (a seed file, a
// client's settings, an interpreter's history), each with the documentation that says so.
class LinuxKnownApps {
public:
    struct App {
        QString name;
        // The names it writes, as they appear in their folders ("kritarc", ".purple").
        QStringList folders;
        QStringList packages;
        QStringList flatpaks;
        QStringList snaps;
        // Where each of those names lives, below the home: "~/.purple", ".config/kritarc".
        QStringList places;
        // Where the reading of those names is documented ("RAND_load_file(3ssl)"), for a library's or a shared
        // tool's files; empty for an application's own.
        QString documentation;
        // The packages whose reading of those names is documented: a library among them owns them, as a library
        // among an application's packages does not.
        QStringList readers;
    };

    // The application that writes an entry of this name (compared in NameKey form), if one is known. A name that
    // several applications write gives all of them as one, "Gradle or Android Studio", installed under any of
    // their names.
    static std::optional<App> writerOf(const QString &folderName);
    // Every row of the catalogue, in the file's order.
    static std::span<const App> apps();
    // The lines of the file that were left out, each with its number and why; empty for a sound file.
    static QStringList faults();
};
