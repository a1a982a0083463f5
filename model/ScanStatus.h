// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Where a scan stands, for the window to put into words.
struct ScanStatus {
    enum class Stage {
        ready,          // no scan has run, or the last one was refused
        detectingApps,  // the inventory of installed software is being built
        scanningFolder, // `folder` is being listed
        finished,       // the scan ended with `found` leftovers
        cancelled,      // the scan was stopped
    };

    Stage stage = Stage::ready;
    QString folder; // the name of the folder being listed
    qsizetype found = 0;

    friend bool operator==(const ScanStatus &, const ScanStatus &) = default;
};
