// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
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
    // What is wrong with a line of the file, which leaves the row out or the names of several rows unmarked.
    struct Fault {
        enum class Problem : std::uint8_t {
            // The file is not in the program.
            unreadable,
            // The subject is the number of columns, which is not 5 or 6.
            columnCount,
            // A sixth column without a documentation; the subject is the application.
            noDocumentation,
            noName,
            // Neither a package, a Flatpak ID nor a snap; the subject is the application.
            installedUnderNoName,
            // The subject is a place that is no entry of a home folder the scan lists.
            notAHomeEntry,
            // The subject is a place whose name any program may write.
            genericName,
            // The subject is an application that writes no names.
            writesNoNames,
            // The subject is a name marked shared that no other row writes.
            sharedAlone,
            // The subject is a name that several rows write but not all of them mark shared.
            sharedUnmarked,
        };
        Problem problem;
        // The lines it is found on; none when the file cannot be read.
        QList<int> lines;
        QString subject;
    };
    // What is wrong with the file; empty for a sound file.
    static QList<Fault> faults();
};
