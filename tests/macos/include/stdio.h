// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include_next <stdio.h>
// Darwin's rename that can refuse to replace (<stdio.h> on macOS).
extern "C" int renameatx_np(int fromfd, const char *from, int tofd, const char *to, unsigned int flags);
#define RENAME_SWAP 0x00000002
#define RENAME_EXCL 0x00000004
