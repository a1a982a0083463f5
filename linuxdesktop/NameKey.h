// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The forms of a name that the Linux profile compares: lower case, without separators.
class NameKey {
public:
    // "Google-Chrome" and "google_chrome" both give "googlechrome"; leading dots are dropped.
    static QString of(const QString &name);
    // The name without leading dots and without one of the extensions configuration and entry files carry.
    static QString stem(const QString &name);
    // The last part of a reverse-DNS name ("org.gnome.Boxes" gives "Boxes"); empty for other names.
    static QString reverseDnsLastPart(const QString &name);
    // The words of a name, split at separators and at lower-to-upper case changes.
    static QStringList words(const QString &name);
    // The characters that the key form drops: '-', '_', '.', ' ', '+' and '@'.
    static bool isSeparator(QChar c);
};
