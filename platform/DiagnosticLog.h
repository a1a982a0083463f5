// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// The diagnostic lines of the engine. They go to standard output unless a front end or a test
// redirects them; writing is safe from any thread.
class DiagnosticLog {
public:
    using Sink = std::function<void(const QString &line)>;

    static void write(const QString &line);
    // Replaces the destination of the lines and returns the previous one; an empty sink means standard output.
    static Sink setSink(Sink sink);
    // Sends the lines to standard error, each in the bytes `encode` gives it (its UTF-8 without one).
    static void writeToStandardError(std::function<QByteArray(const QString &line)> encode = {});
};
