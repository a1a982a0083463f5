// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <filesystem>

// Why a scan location's folder was not listed, as a value the window and the command line put into words.
struct LocationRefusal {
    enum class Kind {
        symbolicLink,     // the folder is a symbolic link
        unresolvable,     // where it leads cannot be told
        notInside,        // it resolves to `resolved`, which is not inside `container`
        holdsContainer,   // it resolves to `resolved`, which holds `container`
        libraryHolds,     // its Library folder `library` resolves to `resolved`, which holds the home or the root
        libraryNotInside, // its Library folder `library` resolves to `resolved`, which is not inside `container`
        unlistable,       // it cannot be listed
        scannedAlready,   // it resolves to `resolved`, which was scanned already
    };
    // What a Library folder that resolves too high holds.
    enum class Anchor { home, root };

    Kind kind = Kind::unresolvable;
    std::filesystem::path resolved{};
    std::filesystem::path container{};
    std::filesystem::path library{};
    Anchor anchor = Anchor::home;

    bool operator==(const LocationRefusal &) const = default;

    // A stable name of the kind, for the diagnostic log.
    static QString keyOf(Kind kind);
};
