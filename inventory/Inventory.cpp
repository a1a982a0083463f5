// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inventory/Inventory.h"

void Inventory::insert(const QString &key, const InstalledApp &record, Claim claim)
{
    if (const auto found = position(key)) {
        const std::size_t at = std::size_t(*found);
        const Claim held = m_claims[at];
        if (claim != Claim::none && (claim < held || (held == Claim::own && m_entries[at].second.url != record.url)))
            return;
        m_entries[at].second = record;
        m_claims[at] = claim;
        return;
    }
    m_positions.insert(key, qsizetype(m_entries.size()));
    m_entries.emplace_back(key, record);
    m_claims.push_back(claim);
}

InstalledApp Inventory::value(const QString &key) const
{
    const auto found = position(key);
    return found ? m_entries[std::size_t(*found)].second : InstalledApp();
}

QStringList Inventory::keys() const
{
    QStringList keys;
    keys.reserve(size());
    for (const Entry &entry : m_entries)
        keys.append(entry.first);
    return keys;
}

std::optional<qsizetype> Inventory::position(const QString &key) const
{
    const auto it = m_positions.constFind(key);
    return it == m_positions.cend() ? std::nullopt : std::optional<qsizetype>(it.value());
}
