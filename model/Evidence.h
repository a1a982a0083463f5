// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/NameForm.h"
#include "model/OwnerKind.h"

#include <QList>
#include <QString>
#include <QStringList>

// One reason why an entry was attributed to its owner, or why to none: what kind of match it was, the entry's text
// that matched, what it matched, whose that is and how far the match can be trusted. The window and the command line
// put it into words; the engine never does.
struct Evidence {
    enum class Kind {
        // Nothing tells whose the entry is.
        none,
        // A launch property list's Label names a part of the system.
        systemLabel,
        labelIsInventoryKey,
        labelIsBundleIdentifier,
        // The entry's name, in one of the inventory's key forms, is an inventory key.
        inventoryKey,
        nameIsBundleIdentifier,
        // The identification service: the workspace, the known-app catalogue, the bundle identifier, helper names.
        installedApplication,
        catalogueKeyword,
        bundleIdentifierLastPart,
        helperNamePattern,
        // The fuzzy stages over the inventory, in the order they are tried.
        nameTokenIsKey,
        nameWordInKey,
        recordPartInName,
        nameWordResemblesRecordPart,
        nameWordMatchesKeyWord,
        applicationNameMatches,
        applicationNameResembles,
        keyWordResemblesNameWord,
        keyStartsAlike,
        labelMatchesKey,
        labelPartIsKey,
        // A Linux home: Flatpak data folders, the programs that entries start, names, the catalogue.
        flatpakInstalled,
        flatpakMissing,
        startsInstalled,
        startsMissing,
        startsMissingMenuEntry,
        runsMissingProgram,
        runsInstalledProgram,
        namesInstalled,
        namesInstalledProject,
        packageRemoved,
        packageRemovedLeavingNoProgram,
        packageRemovedLeavingLibrary,
        catalogueFolderInstalled,
        catalogueFolderMissing,
        readByInstalled,
        readByMissing,
        nothingNamed,
        noProgramNamed,
        // Clauses that follow another: what has the name but does not count, and look-alikes.
        libraryHasName,
        packageHoldsNoProgram,
        keptUntilAutoremove,
        lookalikeWord,
        lookalikeStart,
    };
    enum class Strength {
        // The entry names its owner: a Label, an exact key, the program an entry starts, an installed package's name.
        direct,
        // The known-app catalogue or a documented reader recognised the name.
        catalogue,
        // Loose name matching, or a look-alike.
        weak,
        // Nothing was found.
        none,
    };

    Kind kind = Kind::none;
    Strength strength = Strength::none;
    // The entry's text that matched: its name, a word or token of it, its Label.
    QString name{};
    // What it matched: an inventory key, a catalogue row, a package, a path, a documentation, the entry that starts a
    // program.
    QString source{};
    // Whose that is, where the kind names it: an application, a package, a program.
    QString owner{};
    // What the owner is and which of its names matched.
    OwnerKind ownerKind = OwnerKind::none;
    NameForm form{};
    // The catalogue's name of the application, where the catalogue decided.
    QString application{};
    // The names that were looked for, or that would have made it installed; the snaps among those apart.
    QStringList names{};
    QStringList snaps{};

    bool operator==(const Evidence &) const = default;

    // Stable names for the command line's JSON and CSV, whatever language the program speaks.
    static QString keyOf(Kind kind);
    static QString keyOf(Strength strength);
};

// The clauses of one attribution: the first decided, the others tell what else was weighed.
using EvidenceList = QList<Evidence>;
