// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The end of a command's result on standard output.
class StandardOutput {
public:
    // Writes out what is still buffered. A result that could not be written in full (a full disk, say) is a
    // failure of the command: it is told on standard error, once, and ScanCommand::OutputFailed replaces `status`.
    static int finish(int status);
};
