// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>

class RelativeDateFormatter {
public:
    // `date` relative to `now` in the program's language (US English untranslated) with numeric, full-word units, as
    // the Mac's relative date-time formatter writes it: the largest non-zero unit of the local calendar's difference
    // from `now` to `date`, among years, months, weeks, days, hours, minutes and seconds ("3 days ago", "1 week ago",
    // "in 2 hours"). Calendar units follow the local calendar across month ends and daylight-saving changes; the
    // smaller units are elapsed time, truncated toward zero. Less than a second either way is "in 0 seconds".
    static QString describe(const QDateTime &date, const QDateTime &now);
};
