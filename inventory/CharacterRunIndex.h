// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <optional>

// Texts indexed by their runs of a fixed number of consecutive user-perceived characters: answers whether
// some indexed text shares such a run with a question, and which.
class CharacterRunIndex {
public:
    explicit CharacterRunIndex(qsizetype runLength);

    void add(QStringView text, int payload);
    std::optional<int> findSharing(QStringView query) const;

private:
    template <typename Visit> void forEachRun(QStringView text, Visit visit) const;

    qsizetype m_runLength;
    QHash<QString, int> m_runs;
};
