// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "inventory/InstalledApp.h"
#include "inventory/TextPositions.h"

#include <QSharedData>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

// The inventory of installed software: lower-case key to record. Writing a key replaces what it held and leaves
// the key where it was, unless the key is a bundle identifier held more firmly (see Claim). Keys are walked in the
// order in which they were first written, never in an order of the hash table, so whatever a walk decides is the
// same in every process.
class Inventory {
    struct Data;

public:
    // How a record holds a key that is a bundle identifier. The first bundle to write its own identifier keeps
    // the key: neither a helper bundle nor a property-list string of another application takes it, nor another
    // bundle with the same identifier; only a later record of that same bundle replaces it. A helper bundle's
    // identifier is not taken by a property-list string either. A write without a claim always replaces.
    enum class Claim : std::uint8_t { none, mention, helper, own };

    class const_iterator {
    public:
        const_iterator() = default;
        const QString &key() const { return m_data->keys[m_position]; }
        const InstalledApp &value() const { return m_data->recordAt(m_position); }
        const InstalledApp &operator*() const { return value(); }
        const InstalledApp *operator->() const { return &value(); }
        const_iterator &operator++()
        {
            ++m_position;
            return *this;
        }
        const_iterator operator++(int)
        {
            const const_iterator previous = *this;
            ++m_position;
            return previous;
        }
        friend bool operator==(const const_iterator &, const const_iterator &) = default;

    private:
        friend class Inventory;
        const_iterator(const Data *data, std::size_t position)
            : m_data(data)
            , m_position(position)
        {}

        const Data *m_data = nullptr;
        std::size_t m_position = 0;
    };

    Inventory();
    // A copy shares what the inventory holds; a move is a copy too, so that no inventory is ever left without data.
    Inventory(const Inventory &) = default;
    Inventory &operator=(const Inventory &) = default;

    void insert(const QString &key, const InstalledApp &record, Claim claim = Claim::none);

    qsizetype size() const { return qsizetype(d->keys.size()); }
    bool isEmpty() const { return d->keys.empty(); }
    bool contains(const QString &key) const { return position(key).has_value(); }
    // The record under `key`; an empty record when there is none.
    InstalledApp value(const QString &key) const;
    InstalledApp operator[](const QString &key) const { return value(key); }
    // The keys in the order in which they were first written.
    QStringList keys() const;

    // Entries are numbered from 0 in the order in which their keys were first written.
    const QString &key(qsizetype position) const { return d->keys[std::size_t(position)]; }
    const InstalledApp &record(qsizetype position) const { return d->recordAt(std::size_t(position)); }
    std::optional<qsizetype> position(const QString &key) const;

    const_iterator begin() const { return const_iterator(d.constData(), 0); }
    const_iterator end() const { return const_iterator(d.constData(), d->keys.size()); }
    const_iterator cbegin() const { return begin(); }
    const_iterator cend() const { return end(); }

private:
    // Shared between copies until one of them is written: the owner identification keeps a copy of the inventory
    // that the scan keeps too. Each key refers to its record, and the many keys of one item share one record.
    struct Data : QSharedData {
        std::vector<QString> keys;
        std::vector<std::uint32_t> recordOf; // by position
        std::vector<Claim> claims;           // by position
        std::vector<InstalledApp> records;
        TextPositions positions;

        const InstalledApp &recordAt(std::size_t position) const { return records[recordOf[position]]; }
        bool equals(std::uint32_t position, QStringView text) const { return keys[position] == text; }
        std::size_t hash(std::uint32_t position, std::size_t seed) const { return qHash(keys[position], seed); }
    };

    QSharedDataPointer<Data> d;
};
