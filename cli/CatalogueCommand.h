// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdio>

class CatalogueCommand {
    Q_DECLARE_TR_FUNCTIONS(CatalogueCommand)

public:
    // Prints the known-app catalogue in row order, as JSON or as a table.
    static void print(const QString &format, FILE *stream);
};
