#pragma once

#include <QStringView>

class TextMetrics {
public:
    // The number of user-perceived characters (grapheme clusters): "é" written with a combining accent and an
    // emoji with modifiers each count as one.
    static qsizetype characterCount(QStringView text);
};
