// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "inventory/Inventory.h"
#include "linuxdesktop/LinuxInventory.h"

#include <QCoreApplication>
#include <QString>
#include <cstdio>

class InventoryCommand {
    Q_DECLARE_TR_FUNCTIONS(InventoryCommand)

public:
    // Prints the inventory sorted by key, as JSON or as a table.
    static void print(const Inventory &inventory, const QString &format, FILE *stream);
    // The same for a Linux home: each key, the software it names, what kind that is and what the key is of it.
    static void print(const LinuxInventory &inventory, const QString &format, FILE *stream);
};
