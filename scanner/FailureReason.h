// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/ScanProfile.h"

#include <QString>
#include <filesystem>

// What nothing may move, tag or put back, nor anything that holds it.
enum class ProtectedPlace {
    homeFolder,
    homeLibrary,
    rootFolder,
    rootLibrary,
    homeTrash,
    scannedFolder, // a scan location's own folder
    application,   // an installed application's own item
};

// Why an item was not moved, tagged or put back, as a value the window and the command line put into words.
struct FailureReason {
    enum class Kind {
        systemError,        // `errorNumber`, in the system's own words
        systemText,         // `text`, as a lower layer of the system or the administrator's helper worded it
        notAnEntry,         // the name is no entry of a folder
        notInScannedFolder, // not directly in a folder that `profile` lists
        noLongerExists,
        folderUnreachable,
        isProtected,     // it is `place` (at `path`)
        holdsProtected,  // it holds `place` (at `path`)
        folderGone,      // `path`, the folder it was moved from, no longer exists
        controlRefused,  // the system refused the control of System Events that the privileged move needs
        stillInPlace,    // the administrator's command ran, and the item is still where it was
        outsideHome,     // administrator rights are not used outside the home
        trashUnwritable, // no place in the Trash could be reserved for it
        notConfirmed,    // the removal assessment asks for the user's confirmation by name, and it was not given
    };

    Kind kind = Kind::systemText;
    int errorNumber = 0;
    QString text{};
    std::filesystem::path path{};
    ProtectedPlace place{ProtectedPlace::homeFolder};
    ScanProfile profile{ScanProfile::mac};

    static FailureReason of(Kind kind) { return FailureReason{kind}; }
    static FailureReason systemError(int error) { return {Kind::systemError, error}; }
    static FailureReason systemText(QString text) { return {Kind::systemText, 0, std::move(text)}; }
    // A lower layer's outcome: its error number where it gave one, else its own words.
    static FailureReason fromOutcome(int errorNumber, const QString &reason);

    bool operator==(const FailureReason &) const = default;
};
