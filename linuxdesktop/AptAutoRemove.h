// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

// The installed packages that `apt-get autoremove` would take: installed automatically, as another package's
// dependency, and needed by no package that was installed on purpose, through the Depends, Pre-Depends, Recommends
// and Suggests of the packages kept (apt keeps what recommendations and suggestions name, by default). What removing
// a program with `apt-get remove` leaves of its libraries and data packages is such a package.
class AptAutoRemove {
public:
    struct Package {
        QString name;
        // The packages its relations name, each alternative of each.
        QStringList needs;
        // The virtual packages it provides.
        QStringList provides;
        // Installed on purpose, or one apt never removes by itself (Essential, Protected, or of Priority required
        // or important).
        bool kept = false;
    };

    // The names of the packages apt marked as installed automatically, from its extended_states file.
    static QSet<QString> automatic(const QByteArray &extendedStates);
    // The package names of a relation field: "libc6 (>= 2.34), vlc-bin | mpv:any" gives libc6, vlc-bin and mpv.
    static QStringList names(const QString &relations);
    // Those of the installed packages that nothing kept needs.
    static QSet<QString> removable(const std::vector<Package> &installed);
};
