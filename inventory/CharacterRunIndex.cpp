// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inventory/CharacterRunIndex.h"

#include "model/TextMetrics.h"

CharacterRunIndex::CharacterRunIndex(qsizetype runLength)
    : m_runLength(runLength)
{}

template <typename Visit> void CharacterRunIndex::forEachRun(QStringView text, Visit visit) const
{
    const std::vector<qsizetype> bounds = TextMetrics::characterBoundaries(text);
    const qsizetype characters = qsizetype(bounds.size()) - 1;
    for (qsizetype i = 0; i + m_runLength <= characters; ++i) {
        const qsizetype from = bounds[std::size_t(i)];
        if (!visit(text.mid(from, bounds[std::size_t(i + m_runLength)] - from)))
            return;
    }
}

void CharacterRunIndex::add(QStringView text, int payload)
{
    forEachRun(text, [&](QStringView run) {
        const QString key = run.toString();
        if (!m_runs.contains(key))
            m_runs.insert(key, payload);
        return true;
    });
}

std::optional<int> CharacterRunIndex::findSharing(QStringView query) const
{
    std::optional<int> found;
    QString piece;
    forEachRun(query, [&](QStringView run) {
        piece.setRawData(run.data(), run.size());
        const auto it = m_runs.constFind(piece);
        if (it == m_runs.cend())
            return true;
        found = it.value();
        return false;
    });
    return found;
}
