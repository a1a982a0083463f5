// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "inventory/CharacterRunIndex.h"
#include "inventory/Inventory.h"
#include "inventory/TextIndex.h"

#include <optional>

// The inventory of one scan prepared for the owner identification: every entry numbered, lower-cased and
// split once, and indexed for each evidence stage so that an entry name costs the same whatever the size of
// the inventory. Built once per scan; read-only afterwards, so any number of threads may read it.
class InventoryIndex {
public:
    explicit InventoryIndex(const Inventory &inventory);

    const Inventory &inventory() const { return m_inventory; }
    // Entries are numbered in the inventory's order.
    const QString &key(int entry) const { return m_inventory.key(entry); }
    const InstalledApp &record(int entry) const { return m_inventory.record(entry); }
    std::optional<int> entryForKey(const QString &key) const;
    std::optional<int> entryWithBundleID(const QString &lowerCaseBundleID) const;
    std::optional<int> entryWithName(const QString &lowerCaseName) const;

    // Every key, for containment of a word of the entry name.
    TextIndex allKeys{TextIndex::ShortQuestions::Rare, TextIndex::Containing};
    // Bundle-identifier parts and name words of the records under plain keys, and their digit-free runs of six.
    TextIndex plainRecordWords{TextIndex::ShortQuestions::Rare, TextIndex::ContainedIn};
    CharacterRunIndex plainRecordWordRuns{6};
    // Words of the names under "name:" keys of at least five characters, all and those of five or more.
    TextIndex nameKeyWords{TextIndex::ShortQuestions::Rare, TextIndex::Containing};
    TextIndex longNameKeyWords{TextIndex::ShortQuestions::Rare, TextIndex::ContainedIn};
    // Names under "name:" keys of at least four characters, their words, their digit-free forms and runs.
    TextIndex names{TextIndex::ShortQuestions::Rare, TextIndex::ContainedIn | TextIndex::Containing};
    TextIndex nameWords{TextIndex::ShortQuestions::Rare, TextIndex::ContainedIn};
    TextIndex digitFreeNames{TextIndex::ShortQuestions::Rare, TextIndex::ContainedIn};
    CharacterRunIndex digitFreeNameRuns{4};
    // Words of those names split at full stops too, their digit-free runs, and the names that have such words.
    TextIndex fineNameWords{TextIndex::ShortQuestions::Rare, TextIndex::ContainedIn | TextIndex::Containing};
    CharacterRunIndex digitFreeFineNameWordRuns{4};
    TextIndex namesWithFineWords{TextIndex::ShortQuestions::Rare, TextIndex::Containing};
    // Keys without any of the first six prefixes, and keys without any prefix at all.
    TextIndex unprefixedKeys{TextIndex::ShortQuestions::Rare, TextIndex::PrefixOf | TextIndex::StartingWith};
    TextIndex plainKeys;

private:
    Inventory m_inventory;
    QHash<QString, int> m_entryByBundleID;
    QHash<QString, int> m_entryByName;
};
