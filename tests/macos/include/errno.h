// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include_next <errno.h>
// Darwin's "attribute not found".
#define ENOATTR 93
