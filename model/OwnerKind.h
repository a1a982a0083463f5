// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// What a piece of installed software is, by the place that records it.
enum class OwnerKind : std::uint8_t {
    none,
    // Of the system's package manager: dpkg, rpm or pacman.
    package,
    flatpakApp,
    snap,
    nixPackage,
    homebrewFormula,
    npmPackage,
    pipxPackage,
    cargoCrate,
    goProgram,
    jetBrainsToolboxApp,
    appImage,
    // A folder of its own in /opt.
    optFolder,
    // A menu entry no package installed, which is all there is of an application that D-Bus starts.
    menuEntry,
    // A program that no package or user's install owns, found on the PATH.
    program,
    runningProgram,
};
