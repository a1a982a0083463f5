// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The Linux desktop's own entries in a home (settings stores, shared folders, session files, the shell's files),
// which a scan never lists; kept in the data file DesktopNames.txt, as names and as patterns for the entries of a
// desktop component ("gnome-shell*").
class DesktopNames {
public:
    enum class Match {
        none,
        // The file names the entry itself.
        name,
        // A component's pattern matches it: the desktop's own unless an application has the name
        // (LinuxOwnerIdentifier::isDesktopComponent).
        pattern,
    };

    static Match match(const QString &name);
};
