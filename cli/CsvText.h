// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

// Fields of the CSV that scan writes: RFC 4180, and safe to open in a spreadsheet.
class CsvText {
public:
    // The field, quoted where needed. A field that a spreadsheet would take for a formula, one that starts with =,
    // +, -, @, a tab or a carriage return, gets a single quote in front, as OWASP's advice on CSV injection has it.
    static QByteArray field(const QByteArray &bytes);
};
