#pragma once

#include <QString>
#include <cstdio>

class CatalogueCommand {
public:
    // Prints the known-app catalogue in row order, as JSON or as a table.
    static void print(const QString &format, FILE *stream);
};
