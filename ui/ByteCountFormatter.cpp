// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ByteCountFormatter.h"

#include <QCoreApplication>
#include <QLocale>
#include <array>

namespace {

struct Unit {
    const char *name;
    quint64 size;
    int fractionDigits;
};

constexpr std::array<Unit, 6> Units{{{"KB", 1'000ULL, 0},
                                     {"MB", 1'000'000ULL, 1},
                                     {"GB", 1'000'000'000ULL, 2},
                                     {"TB", 1'000'000'000'000ULL, 2},
                                     {"PB", 1'000'000'000'000'000ULL, 2},
                                     {"EB", 1'000'000'000'000'000'000ULL, 2}}};

constexpr quint64 powerOfTen(int exponent)
{
    quint64 result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= 10;
    return result;
}

// `locale` absent: the Mac's own US English.
QString magnitudeText(quint64 bytes, const QLocale *locale)
{
    if (bytes < Units.front().size) {
        if (!locale)
            return bytes == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(bytes);
        return (bytes == 1 ? QCoreApplication::translate("ByteCountFormatter", "%1 byte", nullptr, 1)
                           : QCoreApplication::translate("ByteCountFormatter", "%1 bytes", nullptr, int(bytes)))
            .arg(locale->toString(bytes));
    }

    std::size_t index = 0;
    while (index + 1 < Units.size() && bytes / Units[index].size >= 1000)
        ++index;

    quint64 scale = 0;
    quint64 shown = 0;
    for (;;) {
        const Unit &unit = Units[index];
        scale = powerOfTen(unit.fractionDigits);
        // The unit is a multiple of the scale, so this is the size in steps of the last shown digit, rounded
        // half up. No overflow: the size is at most 2^63 and half a step is far below 2^63.
        const quint64 step = unit.size / scale;
        shown = (bytes + step / 2) / step;
        if (shown < 1000 * scale || index + 1 == Units.size())
            break;
        ++index;
    }

    QString text = locale ? locale->toString(shown / scale) : QString::number(shown / scale);
    if (const quint64 fraction = shown % scale; fraction != 0) {
        QString digits = QStringLiteral("%1").arg(fraction, Units[index].fractionDigits, 10, QLatin1Char('0'));
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        text += (locale ? locale->decimalPoint() : QStringLiteral(".")) + digits;
    }
    return text + QLatin1Char(' ') + QLatin1String(Units[index].name);
}

} // namespace

QString ByteCountFormatter::fileSize(qint64 bytes)
{
    if (bytes == 0)
        return QStringLiteral("Zero KB");
    if (bytes < 0)
        return QLatin1Char('-') + magnitudeText(0 - quint64(bytes), nullptr);
    return magnitudeText(quint64(bytes), nullptr);
}

QString ByteCountFormatter::fileSize(qint64 bytes, const QLocale &locale)
{
    if (bytes == 0)
        return QCoreApplication::translate("ByteCountFormatter", "Zero KB");
    if (bytes < 0)
        return locale.negativeSign() + magnitudeText(0 - quint64(bytes), &locale);
    return magnitudeText(quint64(bytes), &locale);
}
