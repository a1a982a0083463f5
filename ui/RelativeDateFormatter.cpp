// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/RelativeDateFormatter.h"

#include "platform/ProgramTranslations.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <limits>

namespace {

// The largest count of steps, estimated with at least the true magnitude, that moves `start` towards `end`
// without passing it.
template <typename Step> qint64 wholeSteps(const QDateTime &start, const QDateTime &end, qint64 estimate, Step step)
{
    qint64 count = estimate;
    while (count > 0 && step(start, count) > end)
        --count;
    while (count < 0 && step(start, count) < end)
        ++count;
    return count;
}

// The four wordings of one unit: one ago, several ago, in one, in several. The count that picks a translation's
// plural form is passed apart from the number, which is written in the display locale's digits.
struct Wordings {
    const char *oneAgo;
    const char *manyAgo;
    const char *inOne;
    const char *inMany;
};

QString phrase(qint64 count, const Wordings &wordings)
{
    const qint64 magnitude = count < 0 ? -count : count;
    const char *source = count < 0 ? (magnitude == 1 ? wordings.oneAgo : wordings.manyAgo)
                                   : (magnitude == 1 ? wordings.inOne : wordings.inMany);
    const int plural = int(std::min<qint64>(magnitude, std::numeric_limits<int>::max()));
    return QCoreApplication::translate("RelativeDateFormatter", source, nullptr, plural)
        .arg(ProgramTranslations::displayLocale().toString(magnitude));
}

constexpr Wordings Years{QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "%1 year ago"),
                         QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "%1 years ago"),
                         QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "in %1 year"),
                         QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "in %1 years")};
constexpr Wordings Months{QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "%1 month ago"),
                          QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "%1 months ago"),
                          QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "in %1 month"),
                          QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "in %1 months")};
constexpr Wordings Weeks{QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "%1 week ago"),
                         QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "%1 weeks ago"),
                         QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "in %1 week"),
                         QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "in %1 weeks")};
constexpr Wordings Days{QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "%1 day ago"),
                        QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "%1 days ago"),
                        QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "in %1 day"),
                        QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "in %1 days")};
constexpr Wordings Hours{QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "%1 hour ago"),
                         QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "%1 hours ago"),
                         QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "in %1 hour"),
                         QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "in %1 hours")};
constexpr Wordings Minutes{QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "%1 minute ago"),
                           QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "%1 minutes ago"),
                           QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "in %1 minute"),
                           QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "in %1 minutes")};
constexpr Wordings Seconds{QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "%1 second ago"),
                           QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "%1 seconds ago"),
                           QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "in %1 second"),
                           QT_TRANSLATE_N_NOOP("RelativeDateFormatter", "in %1 seconds")};

} // namespace

QString RelativeDateFormatter::describe(const QDateTime &date, const QDateTime &now)
{
    const QDateTime start = now.toLocalTime();
    const QDateTime end = date.toLocalTime();
    const QDate startDay = start.date();
    const QDate endDay = end.date();

    const qint64 years = wholeSteps(start, end, endDay.year() - startDay.year(),
                                    [](const QDateTime &from, qint64 n) { return from.addYears(int(n)); });
    if (years != 0)
        return phrase(years, Years);

    const qint64 months = wholeSteps(
        start, end, qint64(endDay.month()) - startDay.month() + 12 * (qint64(endDay.year()) - startDay.year()),
        [](const QDateTime &from, qint64 n) { return from.addMonths(int(n)); });
    if (months != 0)
        return phrase(months, Months);

    const qint64 calendarDays = startDay.daysTo(endDay);
    const qint64 weeks =
        wholeSteps(start, end, calendarDays / 7, [](const QDateTime &from, qint64 n) { return from.addDays(7 * n); });
    if (weeks != 0)
        return phrase(weeks, Weeks);

    const qint64 days =
        wholeSteps(start, end, calendarDays, [](const QDateTime &from, qint64 n) { return from.addDays(n); });
    if (days != 0)
        return phrase(days, Days);

    const qint64 milliseconds = start.msecsTo(end);
    if (const qint64 hours = milliseconds / 3'600'000; hours != 0)
        return phrase(hours, Hours);
    if (const qint64 minutes = milliseconds / 60'000; minutes != 0)
        return phrase(minutes, Minutes);
    return phrase(milliseconds / 1000, Seconds);
}
