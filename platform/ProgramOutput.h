// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <optional>
#include <string>
#include <vector>

// What a program writes on its standard output, for the system's own query tools (rpm). The program is found on the
// PATH, reads nothing and its errors are dropped.
class ProgramOutput {
public:
    // Absent when the program cannot be started, ends with a status other than 0 or by a signal, or writes more than
    // `maximumSize` bytes (it is then stopped).
    static std::optional<QByteArray> read(const std::vector<std::string> &arguments, qint64 maximumSize);
};
