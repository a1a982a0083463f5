#include "model/MediumDateFormatter.h"

#include <QRegularExpression>

QString MediumDateFormatter::format(const QDateTime &date, const QLocale &locale)
{
    // The locale's short pattern gives the order and separators; its numeric month and short year are widened.
    QString pattern = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression month(QStringLiteral("M+"));
    static const QRegularExpression day(QStringLiteral("d+"));
    static const QRegularExpression year(QStringLiteral("y+"));
    pattern.replace(month, QStringLiteral("MMM"));
    pattern.replace(day, QStringLiteral("d"));
    pattern.replace(year, QStringLiteral("yyyy"));
    return locale.toString(date.toLocalTime().date(), pattern);
}
