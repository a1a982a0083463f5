// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/TextTable.h"

#include "cli/TerminalText.h"
#include "model/TextMetrics.h"

TextTable::TextTable(std::vector<Column> columns)
    : m_columns(std::move(columns))
{}

QString TextTable::cleaned(const QByteArray &cell, qsizetype maximumWidth)
{
    QString result =
        QString::fromUtf8(TerminalText::bytes(std::string_view(cell.constData(), std::size_t(cell.size()))));
    if (maximumWidth > 0 && TextMetrics::characterCount(result) > maximumWidth)
        result =
            result.left(TextMetrics::characterBoundaries(result)[std::size_t(maximumWidth - 1)]) + QStringLiteral("…");
    return result;
}

void TextTable::addRow(const std::vector<Cell> &cells)
{
    QStringList row;
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        row.append(cleaned(i < cells.size() ? cells[i].bytes : QByteArray(), m_columns[i].maximumWidth));
    m_rows.push_back(std::move(row));
}

void TextTable::print(FILE *stream) const
{
    std::vector<qsizetype> widths;
    for (const Column &column : m_columns)
        widths.push_back(TextMetrics::characterCount(column.title));
    for (const QStringList &row : m_rows) {
        for (std::size_t i = 0; i < widths.size(); ++i)
            widths[i] = std::max(widths[i], TextMetrics::characterCount(row[qsizetype(i)]));
    }
    auto printRow = [&](const QStringList &cells) {
        QString line;
        for (std::size_t i = 0; i < widths.size(); ++i) {
            const QString &cell = cells[qsizetype(i)];
            line.append(cell);
            if (i + 1 < widths.size())
                line.append(QString(widths[i] - TextMetrics::characterCount(cell) + 2, u' '));
        }
        const QByteArray bytes = line.toUtf8();
        std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
        std::fputc('\n', stream);
    };
    QStringList titles;
    for (const Column &column : m_columns)
        titles.append(column.title);
    printRow(titles);
    for (const QStringList &row : m_rows)
        printRow(row);
}
