// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The names a program may be installed under, read from the name of a file or folder it wrote in a home. Programs
// name their entries after themselves with a suffix (".vimrc", "kritarc", ".psql_history", ".gitconfig",
// ".tmux.conf", ".audacity-data", ".emacs.d"), a version (".gimp-2.10", "gegl-0.4", "Anki2"), a reverse-DNS ID
// ("org.gnome.Boxes"), or as the first word of a longer name (".git-annex-foo").
class NameCandidates {
public:
    enum class Strength {
        // The name, or the name less the suffixes and versions programs add: a match is evidence.
        strong,
        // A single word of a longer name: a match is a guess.
        weak,
        // The start of a settings file's name ("kritadisplayrc" is Krita's): a match is a guess, as a word's is.
        prefix,
    };
    struct Candidate {
        QString name;
        Strength strength;
    };

    // Strong candidates first, the name itself first of all; each once in its NameKey form.
    static std::vector<Candidate> of(const QString &name);
    // The strong candidates alone, in the same order.
    static QStringList strong(const QString &name);
    // The name without a trailing version: "gimp-2.10", "gstreamer1.0" and "Anki2" give "gimp", "gstreamer" and
    // "Anki", "x11-6" gives "x11"; the name itself when it has none, or when no letters would be left ("i3").
    static QString withoutVersion(const QString &name);
    // The projects a package is named after, the way Debian names a project's libraries, shared files, flavours and
    // modules: "libgegl-0.4-0" gives "libgegl" and "gegl", "vim-common" gives "vim", "emacs-gtk" "emacs",
    // "postgresql-client-15" "postgresql-client" and "postgresql", "python3-pip" "pip"; empty for a name that is
    // the project's own.
    static QStringList projectsOf(const QString &packageName);
    // Words too common in the names of entries to say anything about their owner.
    static bool isGenericWord(const QString &word);
};
