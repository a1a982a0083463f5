// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>
#include <vector>

class TextMetrics {
public:
    // The positions where user-perceived characters start, followed by the text's length: a run of n
    // characters starting at character i is the text between boundaries[i] and boundaries[i + n].
    static std::vector<qsizetype> characterBoundaries(QStringView text);

    // The number of user-perceived characters (grapheme clusters): "é" written with a combining accent and an
    // emoji with modifiers each count as one.
    static qsizetype characterCount(QStringView text);
};
