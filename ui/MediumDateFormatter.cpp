// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/MediumDateFormatter.h"

#include <QRegularExpression>

QString MediumDateFormatter::format(const QDateTime &date, const QLocale &locale)
{
    // The locale's short pattern gives the order of the parts and whether the day is followed by a dot.
    QString pattern = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype day = pattern.indexOf(u'd');
    const qsizetype month = pattern.indexOf(u'M');
    const qsizetype year = pattern.indexOf(u'y');
    if (day < 0 || month < 0 || year < 0 || (year < month && year < day)) {
        // Year first, or an unusual pattern: its order and separators, with the month abbreviated and the year whole.
        static const QRegularExpression months(QStringLiteral("M+"));
        static const QRegularExpression days(QStringLiteral("d+"));
        static const QRegularExpression years(QStringLiteral("y+"));
        pattern.replace(months, QStringLiteral("MMM"));
        pattern.replace(days, QStringLiteral("d"));
        pattern.replace(years, QStringLiteral("yyyy"));
    } else if (month < day) {
        pattern = QStringLiteral("MMM d, yyyy");
    } else {
        qsizetype afterDay = day;
        while (afterDay < pattern.size() && pattern[afterDay] == u'd')
            ++afterDay;
        const bool dotted = afterDay < pattern.size() && pattern[afterDay] == u'.';
        pattern = dotted ? QStringLiteral("d. MMM yyyy") : QStringLiteral("d MMM yyyy");
    }
    return locale.toString(date.toLocalTime().date(), pattern);
}
