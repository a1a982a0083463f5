// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The oldest macOS the bundle's Info.plist accepts (LSMinimumSystemVersion 12.0).
#define __MAC_10_6 1060
#define __MAC_12_0 120000
#define __MAC_OS_X_VERSION_MIN_REQUIRED __MAC_12_0
#define __MAC_OS_X_VERSION_MAX_ALLOWED __MAC_12_0
