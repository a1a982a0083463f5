// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What an autostart entry, menu entry or user service starts in the end, past the wrappers and interpreters its
// command line goes through.
struct LaunchTarget {
    enum class Kind {
        // A program or a script: an absolute path, or a name to look for among the programs on the PATH.
        program,
        flatpakApp,
        snap,
        // Another menu entry, by its desktop-file ID.
        menuEntry,
    };

    Kind kind = Kind::program;
    QString name;

    friend bool operator==(const LaunchTarget &, const LaunchTarget &) = default;
};
