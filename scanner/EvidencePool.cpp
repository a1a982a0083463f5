// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/EvidencePool.h"

#include <QHashFunctions>

namespace {

size_t hashOf(const EvidenceList &list)
{
    size_t seed = 0;
    for (const Evidence &evidence : list) {
        seed = qHashMulti(seed, int(evidence.kind), int(evidence.strength), evidence.name, evidence.source,
                          evidence.owner);
    }
    return seed;
}

} // namespace

EvidenceList EvidencePool::shared(const EvidenceList &list)
{
    const size_t hash = hashOf(list);
    for (auto it = m_lists.constFind(hash); it != m_lists.cend() && it.key() == hash; ++it) {
        if (*it == list)
            return *it;
    }
    m_lists.insert(hash, list);
    return list;
}
