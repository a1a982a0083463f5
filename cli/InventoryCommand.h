#pragma once

#include "inventory/Inventory.h"

#include <QCoreApplication>
#include <QString>
#include <cstdio>

class InventoryCommand {
    Q_DECLARE_TR_FUNCTIONS(InventoryCommand)

public:
    // Prints the inventory sorted by key, as JSON or as a table.
    static void print(const Inventory &inventory, const QString &format, FILE *stream);
};
