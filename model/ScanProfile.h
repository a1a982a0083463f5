// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// The name of the kind of home a scan looks at, as the command lines and the program's start choose it: a Mac's
// Library folders, or a Linux desktop's own folders against the software installed there. What each means is its
// Profile's.
enum class ScanProfile { mac, linuxDesktop };

// "mac" or "linux", as the command lines take it.
QString rawValue(ScanProfile profile);
std::optional<ScanProfile> scanProfileNamed(const QString &name);
