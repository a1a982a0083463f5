#pragma once

#include "inventory/InstalledApp.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

// The inventory of installed software: lower-case key to record. Writing a key replaces what it held and leaves
// the key where it was. Keys are walked in the order in which they were first written, never in an order of
// the hash table, so whatever a walk decides is the same in every process.
class Inventory {
public:
    using Entry = std::pair<QString, InstalledApp>;

    class const_iterator {
    public:
        const_iterator() = default;
        const QString &key() const { return m_entry->first; }
        const InstalledApp &value() const { return m_entry->second; }
        const InstalledApp &operator*() const { return m_entry->second; }
        const InstalledApp *operator->() const { return &m_entry->second; }
        const_iterator &operator++()
        {
            ++m_entry;
            return *this;
        }
        const_iterator operator++(int)
        {
            const const_iterator previous = *this;
            ++m_entry;
            return previous;
        }
        friend bool operator==(const const_iterator &, const const_iterator &) = default;

    private:
        friend class Inventory;
        explicit const_iterator(std::vector<Entry>::const_iterator entry)
            : m_entry(entry)
        {}

        std::vector<Entry>::const_iterator m_entry;
    };

    void insert(const QString &key, const InstalledApp &record);

    qsizetype size() const { return qsizetype(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    bool contains(const QString &key) const { return m_positions.contains(key); }
    // The record under `key`; an empty record when there is none.
    InstalledApp value(const QString &key) const;
    InstalledApp operator[](const QString &key) const { return value(key); }
    // The keys in the order in which they were first written.
    QStringList keys() const;

    // Entries are numbered from 0 in the order in which their keys were first written.
    const Entry &entry(qsizetype position) const { return m_entries[std::size_t(position)]; }
    std::optional<qsizetype> position(const QString &key) const;

    const_iterator begin() const { return const_iterator(m_entries.cbegin()); }
    const_iterator end() const { return const_iterator(m_entries.cend()); }
    const_iterator cbegin() const { return begin(); }
    const_iterator cend() const { return end(); }

private:
    std::vector<Entry> m_entries;
    QHash<QString, qsizetype> m_positions;
};
