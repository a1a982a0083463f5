#include "inventory/Inventory.h"

void Inventory::insert(const QString &key, const InstalledApp &record)
{
    if (const auto found = position(key)) {
        m_entries[std::size_t(*found)].second = record;
        return;
    }
    m_positions.insert(key, qsizetype(m_entries.size()));
    m_entries.emplace_back(key, record);
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
