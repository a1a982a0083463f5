// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "inventory/TextPositions.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

// The identification service's cache: for each name, the number of its answer and the instant it was worked out.
// A scan asks it for hundreds of thousands of names, so the names lie one after another in blocks of text, as
// Latin-1 where they can be, and the instants, which a scan repeats for many names, are held once each.
class AnswerCache {
public:
    struct Held {
        std::uint32_t answer = 0;
        qint64 computedAt = 0; // milliseconds since the epoch
    };

    std::optional<Held> find(QStringView name) const;
    // Adds the name, or replaces what it held.
    void store(QStringView name, Held held);
    qsizetype size() const { return qsizetype(m_entries.size()); }
    void clear();

private:
    struct Entry {
        std::uint32_t block;
        std::uint32_t offset;
        std::uint32_t length : 31; // in code units
        std::uint32_t wide : 1;    // held as UTF-16, else as Latin-1
        std::uint32_t instant;     // in m_instants
        std::uint32_t answer;
    };

    // Reads the names of the entries for the table of positions.
    struct Names {
        const AnswerCache &cache;
        bool equals(std::uint32_t position, QStringView name) const;
        std::size_t hash(std::uint32_t position, std::size_t seed) const;
    };

    std::uint32_t instantOf(qint64 computedAt);
    const char *textOf(const Entry &entry) const { return m_blocks[entry.block].data() + entry.offset; }

    static constexpr std::size_t BlockSize = 64 * 1024;
    std::vector<std::vector<char>> m_blocks;
    // A deque grows by small blocks, where a vector would at times hold twice what it needs.
    std::deque<Entry> m_entries;
    std::vector<qint64> m_instants;
    TextPositions m_positions;
};
