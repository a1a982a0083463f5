// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "QtPrinters.h"
#include "inventory/Inventory.h"

#include <QStringList>
#include <algorithm>
#include <initializer_list>
#include <ostream>

inline void PrintTo(const InstalledApp &record, std::ostream *out)
{
    *out << "{" << record.name.toStdString() << ", " << record.bundleID.toStdString() << ", "
         << record.url.toStdString() << ", " << (record.version ? record.version->toStdString() : "null") << "}";
}

inline QStringList sortedKeys(const Inventory &inventory)
{
    QStringList keys = inventory.keys();
    std::sort(keys.begin(), keys.end());
    return keys;
}

inline QStringList sortedList(std::initializer_list<const char *> items)
{
    QStringList result;
    for (const char *item : items)
        result.append(QString::fromUtf8(item));
    std::sort(result.begin(), result.end());
    return result;
}
