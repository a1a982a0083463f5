// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>
#include <vector>

// Aligned text columns for a terminal. Characters that could steer the terminal or hide in a cell, and bytes of a
// name that are not UTF-8, are shown as escapes (see TerminalText), and cells wider than their column's limit are
// shortened with an ellipsis.
class TextTable {
public:
    struct Column {
        QString title;
        qsizetype maximumWidth; // 0: unlimited
    };

    // A text, or the exact bytes of a name or a path, which need not be UTF-8.
    struct Cell {
        Cell(const QString &text)
            : bytes(text.toUtf8())
        {}
        Cell(QByteArray name)
            : bytes(std::move(name))
        {}

        QByteArray bytes;
    };

    explicit TextTable(std::vector<Column> columns);
    void addRow(const std::vector<Cell> &cells);
    void print(FILE *stream) const;

private:
    static QString cleaned(const QByteArray &cell, qsizetype maximumWidth);

    std::vector<Column> m_columns;
    std::vector<QStringList> m_rows;
};
