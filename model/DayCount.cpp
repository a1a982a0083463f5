// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/DayCount.h"

qint64 DayCount::daysBetween(const QDateTime &from, const QDateTime &to)
{
    if (!from.isValid() || !to.isValid())
        return 0;
    const QDateTime start = from.toLocalTime();
    const QDateTime end = to.toLocalTime();
    qint64 days = start.date().daysTo(end.date());
    const QDateTime reached = start.addDays(days);
    if (days > 0 && reached > end)
        --days;
    else if (days < 0 && reached < end)
        ++days;
    return days;
}
