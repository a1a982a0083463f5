// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/CommandLine.h"

#include <QCoreApplication>
#include <filesystem>

class InterruptibleDemo;
class ScanSession;

// The commands that run a scan: scan itself, and trash and tag, which act only on entries a scan lists. What the
// scan passed over is told on standard error, one warning a line.
class ScanCommand {
    Q_DECLARE_TR_FUNCTIONS(ScanCommand)

public:
    // Scans the demo that `demo` makes when one is given, else the line's root and home.
    static int scan(const CommandLine &line, InterruptibleDemo *demo = nullptr);
    static int trash(const CommandLine &line);
    static int tag(const CommandLine &line);

    enum ExitStatus { Success = 0, SomeFailed = 1, BadUsage = 2, Refused = 3, NotListed = 4, OutputFailed = 5 };

private:
    // Runs a whole scan in the event loop, sizes included when the session measures them, and tells its warnings;
    // false when the profile's access check refused it, which is told too.
    static bool runScan(ScanSession &session, int thresholdDays, bool showProgress);
};
