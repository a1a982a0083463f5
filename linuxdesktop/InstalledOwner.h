// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/OwnerKind.h"

#include <QString>

// A piece of installed software on a Linux system, as one inventory source found it.
struct InstalledOwner {
    // The owner's own name in its source: a package, a Flatpak application ID, a snap, a program's path.
    QString id;
    OwnerKind kind = OwnerKind::none;
};
