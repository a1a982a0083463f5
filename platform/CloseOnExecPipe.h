// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A pipe whose ends the programs this process starts do not inherit. Where the system can, they are made so at
// once, so that no other thread's child, started in between, keeps a copy that holds the pipe open.
class CloseOnExecPipe {
public:
    // Puts the reading end in ends[0] and the writing end in ends[1]; `statusFlags` may add O_NONBLOCK to both.
    // Returns 0, or the error number with both ends -1.
    static int open(int ends[2], int statusFlags = 0);
};
