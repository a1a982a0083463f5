// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Evidence.h"

#include <QMultiHash>

// Hands out one shared copy of each distinct evidence list. Many entries of a folder are attributed for the same
// reason (the same catalogue keyword, the same missing program), and their records then hold one list between them.
class EvidencePool {
public:
    EvidenceList shared(const EvidenceList &list);

private:
    QMultiHash<size_t, EvidenceList> m_lists;
};
