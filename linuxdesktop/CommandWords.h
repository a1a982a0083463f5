// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The words of command lines, split as the program that runs each kind of line splits it. Nothing is run and
// nothing is expanded but what can be known without running anything: the home folder, never other variables.
class CommandWords {
public:
    // A desktop entry's Exec value, once its string escapes (\s, \n, \t, \r, \\) are undone: words in double quotes
    // (with \", \`, \$ and \\ inside), in single quotes or with backslashes, as desktops parse it; the field codes
    // (%f, %U, ...) are left out and %% is a percent sign.
    static QStringList desktopExec(const QString &value);
    // A desktop entry's string value with its escapes undone.
    static QString desktopString(const QString &value);
    // A systemd unit's ExecStart value: the first command of the line, without its prefixes (@, -, :, +, !) and,
    // after @, without the name it gives the program; quotes and C escapes undone, a user unit's specifiers for the
    // home and its folders (%h, %E, %C, %D, %S, %L) and %% put in.
    static QStringList unitExec(const QString &value, const QString &home);
    // A unit's single value (WorkingDirectory) with those specifiers put in.
    static QString unitValue(const QString &value, const QString &home);
    // A shell's command string, as its simple commands in order: split at ;, &, |, newlines and parentheses, with
    // comments and redirections left out, quotes undone, and a leading ~, $HOME and ${HOME} put in. Other
    // expansions are kept as written, so a word holding "$" cannot be known.
    static QList<QStringList> shellCommands(const QString &script, const QString &home);
};
