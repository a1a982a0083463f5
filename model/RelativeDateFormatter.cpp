#include "model/RelativeDateFormatter.h"

#include <QLocale>

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

QString phrase(qint64 count, const char *singular, const char *plural)
{
    const qint64 magnitude = count < 0 ? -count : count;
    const QString number = QLocale(QLocale::English, QLocale::UnitedStates).toString(magnitude);
    const QString unit = QLatin1String(magnitude == 1 ? singular : plural);
    if (count < 0)
        return QStringLiteral("%1 %2 ago").arg(number, unit);
    return QStringLiteral("in %1 %2").arg(number, unit);
}

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
        return phrase(years, "year", "years");

    const qint64 months = wholeSteps(
        start, end, qint64(endDay.month()) - startDay.month() + 12 * (qint64(endDay.year()) - startDay.year()),
        [](const QDateTime &from, qint64 n) { return from.addMonths(int(n)); });
    if (months != 0)
        return phrase(months, "month", "months");

    const qint64 calendarDays = startDay.daysTo(endDay);
    const qint64 weeks =
        wholeSteps(start, end, calendarDays / 7, [](const QDateTime &from, qint64 n) { return from.addDays(7 * n); });
    if (weeks != 0)
        return phrase(weeks, "week", "weeks");

    const qint64 days =
        wholeSteps(start, end, calendarDays, [](const QDateTime &from, qint64 n) { return from.addDays(n); });
    if (days != 0)
        return phrase(days, "day", "days");

    const qint64 milliseconds = start.msecsTo(end);
    if (const qint64 hours = milliseconds / 3'600'000; hours != 0)
        return phrase(hours, "hour", "hours");
    if (const qint64 minutes = milliseconds / 60'000; minutes != 0)
        return phrase(minutes, "minute", "minutes");
    return phrase(milliseconds / 1000, "second", "seconds");
}
