// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/ScanProfile.h"

#include <QCoreApplication>
#include <QString>

// The window's words that differ between a Mac's Library folders and a Linux home.
class ProfileText {
    Q_DECLARE_TR_FUNCTIONS(ProfileText)

public:
    // The Scan button's tooltip, which says what a scan looks at.
    static QString scanToolTip(ScanProfile profile);
    // What an owner's identifier is called, as a label.
    static QString ownerIdentifierLabel(ScanProfile profile);
    // The action that shows an item in the system's file browser.
    static QString revealActionTitle(ScanProfile profile);
    // What the welcome screen invites to scan, in two lines.
    static QString welcomeMessage(ScanProfile profile);
    // The tag chooser's title, and a sentence on where the tag shows.
    static QString tagChooserTitle(ScanProfile profile);
    static QString tagExplanation(ScanProfile profile);
};
