// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The running program's path, from macOS's dynamic linker.
#include <stdint.h>
extern "C" {
int _NSGetExecutablePath(char *buf, uint32_t *bufsize);
}
