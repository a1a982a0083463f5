// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "inventory/InstalledApp.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// The inventory of installed software: lower-case key to record. Writing a key replaces what it held and leaves
// the key where it was, unless the key is a bundle identifier held more firmly (see Claim). Keys are walked in the
// order in which they were first written, never in an order of the hash table, so whatever a walk decides is the
// same in every process.
class Inventory {
public:
    using Entry = std::pair<QString, InstalledApp>;

    // How a record holds a key that is a bundle identifier. The first bundle to write its own identifier keeps
    // the key: neither a helper bundle nor a property-list string of another application takes it, nor another
    // bundle with the same identifier; only a later record of that same bundle replaces it. A helper bundle's
    // identifier is not taken by a property-list string either. A write without a claim always replaces.
    enum class Claim : std::uint8_t { none, mention, helper, own };

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

    void insert(const QString &key, const InstalledApp &record, Claim claim = Claim::none);

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
    std::vector<Claim> m_claims; // by position
    QHash<QString, qsizetype> m_positions;
};
