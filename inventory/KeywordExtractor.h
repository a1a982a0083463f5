// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class KeywordExtractor {
public:
    // The distinct lower-case words of a name, each at least three characters long: the words of its
    // camel-case spelling split at spaces, dashes, underscores and dots, and the words of the name itself
    // split at dashes, underscores and dots only.
    static QStringList extractKeywords(const QString &name);
};
