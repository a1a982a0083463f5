// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/RemnantItem.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <cstdio>

// Scan results for the terminal (an aligned table), for programs (JSON) and for spreadsheets (CSV). JSON and CSV
// give every path and name by its exact bytes (see JsonText::quotedBytes; CsvText guards spreadsheets against a
// name that reads as a formula); the table shows names for reading.
class RemnantReport {
    Q_DECLARE_TR_FUNCTIONS(RemnantReport)

public:
    static void print(const QList<RemnantItemPtr> &items, const QString &format, FILE *stream);

    static QString statusName(RemnantStatus status);
};
