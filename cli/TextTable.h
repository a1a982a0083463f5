// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>
#include <vector>

// Aligned text columns for a terminal. Characters that could steer the terminal or hide in a cell are shown as
// escapes (see TerminalText), and cells wider than their column's limit are shortened with an ellipsis.
class TextTable {
public:
    struct Column {
        QString title;
        qsizetype maximumWidth; // 0: unlimited
    };

    explicit TextTable(std::vector<Column> columns);
    void addRow(const QStringList &cells);
    void print(FILE *stream) const;

private:
    static QString cleaned(const QString &cell, qsizetype maximumWidth);

    std::vector<Column> m_columns;
    std::vector<QStringList> m_rows;
};
