// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sys/types.h>

// Which item an entry is, whatever its name: its device and inode, as the system reports them without following a
// symbolic link. Two paths name the same item exactly when their identities are equal.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;

    bool operator==(const FileIdentity &) const = default;
};
