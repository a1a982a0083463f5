#pragma once

#include "model/RemnantItem.h"

#include <QList>
#include <QString>
#include <cstdio>

// Scan results for the terminal (an aligned table), for programs (JSON) and for spreadsheets (CSV).
class RemnantReport {
public:
    static void print(const QList<RemnantItemPtr> &items, const QString &format, FILE *stream);

    static QString statusName(RemnantStatus status);
    static QString csvField(const QString &text);
};
