// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>

class ByteCountFormatter {
public:
    // A size as the Mac shows file sizes: decimal units ("532 bytes", "2 KB", "1.5 MB", "2.35 GB"), no fraction
    // digits for bytes and KB, one for MB, two from GB up, trailing zeros dropped, halves rounded up; a size that
    // rounds to 1000 of a unit is written in the next unit. Zero is "Zero KB"; a negative size is the size of
    // its magnitude with a leading minus sign.
    static QString fileSize(qint64 bytes);
    // The same for a person reading `locale`: its digits and decimal separator ("1,5 MB" in German), and the
    // words in the program's language.
    static QString fileSize(qint64 bytes, const QLocale &locale);
};
