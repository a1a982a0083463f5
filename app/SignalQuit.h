// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Turns SIGINT and SIGTERM into an orderly quit of the application, so that what it owns (a scan, the demo home)
// is ended and cleaned up as on closing the window. Call before any other thread starts: every thread then
// blocks the two signals, and one waits for them.
class SignalQuit {
public:
    static void install();
};
