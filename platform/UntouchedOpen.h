// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Opens an item for reading so that reading leaves its access date as it was: with O_NOATIME where the system
// allows it (the caller owns the item), else plainly, in which case the caller puts the old date back.
class UntouchedOpen {
public:
    struct Result {
        int fd = -1;                     // -1 with errno set when the item cannot be opened
        bool restoresAccessTime = false; // opened without O_NOATIME
    };

    static Result openAt(int folder, const char *name, int flags);
};
