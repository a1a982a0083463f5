// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inventory/Inventory.h"

Inventory::Inventory()
    : d(new Data)
{}

void Inventory::insert(const QString &key, const InstalledApp &record, Claim claim)
{
    Data &data = *d;
    // The sources write the keys of one item one after another, so a record is most often the one written last.
    const auto recordNumber = [&data, &record](std::optional<std::uint32_t> held) {
        if (held && data.records[*held] == record)
            return *held;
        if (!data.records.empty() && data.records.back() == record)
            return std::uint32_t(data.records.size() - 1);
        data.records.push_back(record);
        return std::uint32_t(data.records.size() - 1);
    };
    if (const auto found = data.positions.find(key, data)) {
        const std::size_t at = *found;
        const Claim held = data.claims[at];
        if (claim != Claim::none && (claim < held || (held == Claim::own && data.recordAt(at).url != record.url)))
            return;
        data.recordOf[at] = recordNumber(data.recordOf[at]);
        data.claims[at] = claim;
        return;
    }
    const auto position = std::uint32_t(data.keys.size());
    data.keys.push_back(key);
    data.recordOf.push_back(recordNumber(std::nullopt));
    data.claims.push_back(claim);
    data.positions.add(key, position, data);
}

InstalledApp Inventory::value(const QString &key) const
{
    const auto found = position(key);
    return found ? record(*found) : InstalledApp();
}

QStringList Inventory::keys() const
{
    QStringList keys;
    keys.reserve(size());
    for (const QString &key : d->keys)
        keys.append(key);
    return keys;
}

std::optional<qsizetype> Inventory::position(const QString &key) const
{
    const auto found = d->positions.find(key, *d);
    return found ? std::optional<qsizetype>(qsizetype(*found)) : std::nullopt;
}
