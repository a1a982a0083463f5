#pragma once

#include <QString>

class JsonText {
public:
    // A JSON string literal, quotes included.
    static QString quoted(const QString &text);
};
