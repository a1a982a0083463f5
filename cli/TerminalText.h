// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <filesystem>
#include <string_view>

// Names, paths and arguments as the terminal shows them: as they are, but for what could steer the terminal, break
// the line or hide from the reader. Control characters, format characters (such as the bidirectional overrides),
// line and paragraph separators, invisible fillers and unassigned code points are written as \xNN, \uNNNN or
// \UNNNNNNNN, and bytes that are not part of valid UTF-8 as \xNN. What comes out is printable UTF-8, which
// passes through again unchanged.
class TerminalText {
public:
    static QByteArray bytes(std::string_view bytes);
    static QByteArray path(const std::filesystem::path &path);
    static QByteArray text(const QString &text);
    // The same, line by line, for a message whose line breaks are its own.
    static QByteArray lines(const QString &text);
};
