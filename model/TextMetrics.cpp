// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/TextMetrics.h"

#include <QTextBoundaryFinder>

namespace {

// Printable ASCII without carriage returns is one character per code unit; only the rest needs the
// boundary finder.
bool isOneCharacterPerCodeUnit(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x7F || c.unicode() == u'\r')
            return false;
    }
    return true;
}

} // namespace

std::vector<qsizetype> TextMetrics::characterBoundaries(QStringView text)
{
    std::vector<qsizetype> boundaries;
    if (isOneCharacterPerCodeUnit(text)) {
        boundaries.resize(std::size_t(text.size() + 1));
        for (qsizetype i = 0; i <= text.size(); ++i)
            boundaries[std::size_t(i)] = i;
        return boundaries;
    }
    boundaries.push_back(0);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.data(), text.size());
    qsizetype position;
    while ((position = finder.toNextBoundary()) != -1) {
        if (position > boundaries.back())
            boundaries.push_back(position);
    }
    if (boundaries.back() != text.size())
        boundaries.push_back(text.size());
    return boundaries;
}

qsizetype TextMetrics::characterCount(QStringView text)
{
    if (isOneCharacterPerCodeUnit(text))
        return text.size();
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.data(), text.size());
    qsizetype count = 0;
    qsizetype position;
    while ((position = finder.toNextBoundary()) != -1) {
        if (position > 0)
            ++count;
    }
    return count;
}
