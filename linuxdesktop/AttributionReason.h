// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "linuxdesktop/LibraryCue.h"
#include "linuxdesktop/NameCandidates.h"

#include <QString>

// Which rule decided who owns an entry of a Linux home, as values: the name that matched, what decided, and how strong
// that name is.
struct AttributionReason {
    enum class Rule {
        // Only a library or a data package has the name: nothing that runs as that program or serves it is
        // installed, so the name is not.
        libraryIsNoProgram,
        // A library or a tool that many programs share reads a file of that name, as its documentation says.
        readByLibrary,
        // Only one word, or the start, of a longer name matched: a look-alike, not the owner.
        wordIsNoName,
        // A package that would own it is kept only until apt's autoremove takes what a removed program needed.
        leftBehind,
    };
    Rule rule;
    // The form of the entry's name, or the word of it, that matched.
    QString matchedName;
    // What decided: the library's or the left package, the documentation, the look-alike.
    QString source;
    NameCandidates::Strength strength = NameCandidates::Strength::strong;
    // For a library: what tells that it is one.
    LibraryCue cue = LibraryCue::none;
};
