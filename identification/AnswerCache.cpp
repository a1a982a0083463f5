// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identification/AnswerCache.h"

#include <QLatin1StringView>
#include <algorithm>
#include <cstring>

bool AnswerCache::Names::equals(std::uint32_t position, QStringView name) const
{
    const Entry &entry = cache.m_entries[position];
    if (qsizetype(entry.length) != name.size())
        return false;
    const char *text = cache.textOf(entry);
    if (entry.wide)
        return std::memcmp(text, name.utf16(), std::size_t(name.size()) * sizeof(char16_t)) == 0;
    return QLatin1StringView(text, name.size()) == name;
}

std::size_t AnswerCache::Names::hash(std::uint32_t position, std::size_t seed) const
{
    const Entry &entry = cache.m_entries[position];
    const char *text = cache.textOf(entry);
    if (!entry.wide)
        return qHash(QString::fromLatin1(text, qsizetype(entry.length)), seed);
    QString name(qsizetype(entry.length), Qt::Uninitialized);
    std::memcpy(name.data(), text, std::size_t(entry.length) * sizeof(char16_t));
    return qHash(name, seed);
}

std::optional<AnswerCache::Held> AnswerCache::find(QStringView name) const
{
    const auto position = m_positions.find(name, Names{*this});
    if (!position)
        return std::nullopt;
    const Entry &entry = m_entries[*position];
    return Held{entry.answer, m_instants[entry.instant]};
}

void AnswerCache::store(QStringView name, Held held)
{
    if (const auto position = m_positions.find(name, Names{*this})) {
        Entry &entry = m_entries[*position];
        entry.answer = held.answer;
        entry.instant = instantOf(held.computedAt);
        return;
    }
    const bool wide = std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() > 0xff; });
    const std::size_t bytes = std::size_t(name.size()) * (wide ? sizeof(char16_t) : 1);
    std::size_t offset = m_blocks.empty() ? 0 : m_blocks.back().size();
    if (m_blocks.empty() || offset + bytes > m_blocks.back().capacity()) {
        m_blocks.emplace_back().reserve(std::max(BlockSize, bytes));
        offset = 0;
    }
    std::vector<char> &block = m_blocks.back();
    block.resize(offset + bytes);
    if (wide) {
        std::memcpy(block.data() + offset, name.utf16(), bytes);
    } else {
        for (qsizetype i = 0; i < name.size(); ++i)
            block[offset + std::size_t(i)] = char(name[i].unicode());
    }
    const auto position = std::uint32_t(m_entries.size());
    m_entries.push_back(Entry{std::uint32_t(m_blocks.size() - 1), std::uint32_t(offset), std::uint32_t(name.size()),
                              wide, instantOf(held.computedAt), held.answer});
    m_positions.add(name, position, Names{*this});
}

void AnswerCache::clear()
{
    m_blocks = {};
    m_entries = {};
    m_instants = {};
    m_positions.clear();
}

std::uint32_t AnswerCache::instantOf(qint64 computedAt)
{
    if (m_instants.empty() || m_instants.back() != computedAt)
        m_instants.push_back(computedAt);
    return std::uint32_t(m_instants.size() - 1);
}
