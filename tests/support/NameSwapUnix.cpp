// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NameSwap.h"

#include <fcntl.h>
#include <stdio.h>

bool swapNames(const std::filesystem::path &first, const std::filesystem::path &second)
{
    return renameat2(AT_FDCWD, first.c_str(), AT_FDCWD, second.c_str(), RENAME_EXCHANGE) == 0;
}
