// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

class MediumDateFormatter {
public:
    // The day, the abbreviated month name and the year of `date` in the local time zone, in the order and wording
    // of `locale` ("6 Dec 2026", "Dec 6, 2026", "06.12.2026" becomes "6. Dez. 2026").
    static QString format(const QDateTime &date, const QLocale &locale = QLocale::system());
};
