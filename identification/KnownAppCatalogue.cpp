// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identification/KnownAppCatalogue.h"

#include <QByteArray>
#include <QFile>
#include <QtGlobal>
#include <algorithm>
#include <vector>

namespace {

// The rows point into the file's text, cut into fields in place.
class LoadedCatalogue {
public:
    LoadedCatalogue()
    {
        QFile file(QStringLiteral(":/data/KnownApps.tsv"));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("The known-app catalogue is missing from the program");
        m_text = file.readAll();
        char *cursor = m_text.data();
        char *const end = cursor + m_text.size();
        int lineNumber = 0;
        while (cursor < end) {
            char *lineEnd = std::find(cursor, end, '\n');
            *lineEnd = '\0';
            ++lineNumber;
            if (cursor != lineEnd && *cursor != '#')
                addRow(cursor, lineEnd, lineNumber);
            cursor = lineEnd + 1;
        }
    }

    std::span<const KnownApp> rows() const { return m_rows; }

private:
    void addRow(char *line, char *lineEnd, int lineNumber)
    {
        const char *fields[3] = {};
        int count = 0;
        char *field = line;
        while (count < 3) {
            char *fieldEnd = std::find(field, lineEnd, '\t');
            fields[count++] = field;
            if (fieldEnd == lineEnd)
                break;
            *fieldEnd = '\0';
            field = fieldEnd + 1;
        }
        if (count != 3 || field > lineEnd || std::find(field, lineEnd, '\t') != lineEnd || *fields[0] == '\0')
            qFatal("The known-app catalogue has a malformed row on line %d", lineNumber);
        m_rows.push_back(KnownApp{fields[0], fields[1], fields[2]});
    }

    QByteArray m_text;
    std::vector<KnownApp> m_rows;
};

} // namespace

std::span<const KnownApp> KnownAppCatalogue::rows()
{
    static const LoadedCatalogue catalogue;
    return catalogue.rows();
}
