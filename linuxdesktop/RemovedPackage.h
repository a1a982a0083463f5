// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// A package that a package manager removed, and what says so.
struct RemovedPackage {
    QString name;
    // The day it was removed, as "2026-11-02"; empty when only the kept settings tell of it.
    QString date;
    // Where it was read: "dpkg log", "apt history", "dnf log", "pacman log" or "dpkg database".
    QString record;
};
