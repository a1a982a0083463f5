// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHashFunctions>
#include <QStringView>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

// Finds the position of a text in a list of distinct texts that the caller keeps: an open-addressing table of four
// bytes a slot, where a hash of strings would hold a node with a copy of every text. The caller's `texts` answers
// `texts.equals(position, text)` and `texts.hash(position, seed)`, the latter as qHash of the text as a QStringView.
class TextPositions {
public:
    template <typename Texts> std::optional<std::uint32_t> find(QStringView text, const Texts &texts) const
    {
        if (m_slots.empty())
            return std::nullopt;
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t slot = qHash(text, m_seed) & mask;; slot = (slot + 1) & mask) {
            const std::uint32_t held = m_slots[slot];
            if (held == Free)
                return std::nullopt;
            if (texts.equals(held - 1, text))
                return held - 1;
        }
    }

    // Adds `position`, whose text is `text`; no position with an equal text may be held yet.
    template <typename Texts> void add(QStringView text, std::uint32_t position, const Texts &texts)
    {
        // At most three quarters of the slots are taken, so that a search meets a free one soon.
        if ((m_count + 1) * 4 > m_slots.size() * 3) {
            std::vector<std::uint32_t> held = std::move(m_slots);
            m_slots.assign(std::max<std::size_t>(16, held.size() * 2), Free);
            for (const std::uint32_t slot : held) {
                if (slot != Free)
                    place(texts.hash(slot - 1, m_seed), slot - 1);
            }
        }
        place(qHash(text, m_seed), position);
        ++m_count;
    }

    std::size_t size() const { return m_count; }
    void clear()
    {
        m_slots = {};
        m_count = 0;
    }

private:
    static constexpr std::uint32_t Free = 0; // a slot holds its position plus one

    void place(std::size_t hash, std::uint32_t position)
    {
        const std::size_t mask = m_slots.size() - 1;
        std::size_t slot = hash & mask;
        while (m_slots[slot] != Free)
            slot = (slot + 1) & mask;
        m_slots[slot] = position + 1;
    }

    std::vector<std::uint32_t> m_slots;
    std::size_t m_count = 0;
    std::size_t m_seed = QHashSeed::globalSeed();
};
