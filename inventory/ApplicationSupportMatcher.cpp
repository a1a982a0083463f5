// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inventory/ApplicationSupportMatcher.h"

#include "inventory/InventoryKey.h"
#include "model/TextMetrics.h"

#include <QSet>

namespace {

constexpr qsizetype MinimumIdentifierPartLength = 5;

} // namespace

ApplicationSupportMatcher::ApplicationSupportMatcher(const Inventory &inventory)
{
    QSet<QString> seenIdentifiers;
    for (auto it = inventory.cbegin(); it != inventory.cend(); ++it) {
        if (InventoryKey::hasForm(it.key(), InventoryKey::Form::appSupport))
            continue;
        const InstalledApp &record = it.value();
        const int index = int(m_records.size());
        m_records.push_back(record);
        m_names.add(record.name.toLower(), index);
        if (seenIdentifiers.contains(record.bundleID))
            continue;
        seenIdentifiers.insert(record.bundleID);
        for (const QString &part : record.bundleID.split(u'.')) {
            if (TextMetrics::characterCount(part) >= MinimumIdentifierPartLength)
                m_identifierParts.add(part.toLower(), index);
        }
    }
    m_names.build();
    m_identifierParts.build();
}

std::optional<InstalledApp> ApplicationSupportMatcher::match(const QString &folder) const
{
    std::optional<int> index = m_names.findContainedIn(folder);
    if (!index)
        index = m_names.findContaining(folder);
    if (!index)
        index = m_identifierParts.findContainedIn(folder);
    if (!index)
        return std::nullopt;
    return m_records[std::size_t(*index)];
}
