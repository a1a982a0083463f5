// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CsvText.h"

QByteArray CsvText::field(const QByteArray &bytes)
{
    QByteArray field = bytes;
    if (!field.isEmpty() && QByteArrayView("=+-@\t\r").contains(field.front()))
        field.prepend('\'');
    if (!field.contains(',') && !field.contains('"') && !field.contains('\n') && !field.contains('\r'))
        return field;
    field.replace('"', "\"\"");
    return '"' + field + '"';
}
