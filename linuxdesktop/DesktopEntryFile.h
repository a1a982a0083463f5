// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "linuxdesktop/LaunchTarget.h"

#include <QByteArray>
#include <QString>
#include <optional>

// What a desktop entry (.desktop) or a user service (.service, .timer) tells about the program it starts.
struct DesktopEntryFile {
    QString name;
    QString startupWMClass;
    QString icon;
    // What the entry starts in the end, past wrappers and interpreters (see CommandTarget); absent when it names
    // nothing that can be known.
    std::optional<LaunchTarget> target;
    // A timer's unit, when it names one.
    QString unit;
    bool hidden = false;

    // Reads the [Desktop Entry] group of a desktop entry, or the [Service] and [Timer] groups of a unit. Its
    // command runs in `home` unless the entry names another folder; ~, $HOME and %h stand for it. Lines longer than
    // TextLimits::MaximumValueBytes are left out.
    static DesktopEntryFile parse(const QByteArray &bytes, const QString &home);
};
