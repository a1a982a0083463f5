// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// The result of a script or privileged command. The error number is the system's code for why it failed,
// where it has one (-1743: control of another application was refused).
struct ScriptOutcome {
    bool success = false;
    std::optional<int> errorNumber;
    QString description;
};
