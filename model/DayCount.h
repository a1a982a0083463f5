// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>

class DayCount {
public:
    // Whole calendar days from `from` to `to` in the local time zone: the largest count of days that, added to
    // `from` (keeping its wall-clock time), does not pass `to`. Negative when `to` is earlier, truncated toward
    // zero; a day across a daylight-saving change is a calendar day, not 24 hours. 0 if either is invalid.
    static qint64 daysBetween(const QDateTime &from, const QDateTime &to);
};
