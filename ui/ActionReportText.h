// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

struct RemnantActionReport;

// What became of an action on leftovers, in the user's words: one line for the banner or an alert's title, and
// the reasons of the items it could not act on.
class ActionReportText {
    Q_DECLARE_TR_FUNCTIONS(ActionReportText)

public:
    // "Moved 41 items to the Trash; 2 could not be moved". `skipped` are the names of items the user chose to leave
    // out before the action started; the line names the first few.
    static QString summary(const RemnantActionReport &report, const QStringList &skipped = {});
    // One line "NAME: REASON" per item that could not be acted on.
    static QString details(const RemnantActionReport &report);
};
