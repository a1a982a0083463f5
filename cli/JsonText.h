// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <string_view>

class JsonText {
public:
    // A JSON string literal, quotes included.
    static QString quoted(const QString &text);
    // A JSON string literal of a file name or path given as its exact bytes, quotes included. A byte that is not
    // part of valid UTF-8 is written as the escape \udcXX, as Python's "surrogateescape" error handler reads it,
    // so that os.fsencode() gives the exact bytes back.
    static QByteArray quotedBytes(std::string_view bytes);
};
