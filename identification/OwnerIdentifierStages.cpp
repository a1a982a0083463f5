// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The eight evidence stages of the owner identification. Each answers whether any inventory entry would be
// offered by it, and which, through the indexes of InventoryIndex instead of walking the inventory.
#include "identification/OwnerIdentifier.h"

#include "identification/NameMatching.h"
#include "inventory/InventoryKey.h"

namespace {

Evidence weak(Evidence::Kind kind, const QString &name, const QString &source)
{
    return Evidence{kind, Evidence::Strength::weak, name, source};
}

} // namespace

std::optional<OwnerIdentifier::Candidate> OwnerIdentifier::tokenKeys(const Entry &entry) const
{
    for (const QString &token : NameMatching::tokenizeName(entry.base)) {
        for (const InventoryKey::Form form :
             {InventoryKey::Form::keyword, InventoryKey::Form::receiptComponent, InventoryKey::Form::framework,
              InventoryKey::Form::tool, InventoryKey::Form::brew}) {
            const QString key = InventoryKey::of(form, token);
            if (const auto index = m_index.entryForKey(key))
                return Candidate{*index, weak(Evidence::Kind::nameTokenIsKey, token, key)};
        }
    }
    return std::nullopt;
}

std::optional<OwnerIdentifier::Candidate> OwnerIdentifier::keysContainingWords(const Entry &entry) const
{
    for (const QString &word : entry.baseWords) {
        if (const auto index = m_index.allKeys.findContaining(word))
            return Candidate{*index, weak(Evidence::Kind::nameWordInKey, word, m_index.key(*index))};
    }
    return std::nullopt;
}

std::optional<OwnerIdentifier::Candidate> OwnerIdentifier::plainRecordParts(const Entry &entry) const
{
    auto candidate = [&](int index, Evidence::Kind kind, const QString &name) {
        const InstalledApp &app = m_index.record(index);
        Evidence evidence = weak(kind, name, app.bundleID);
        evidence.owner = app.name;
        return Candidate{index, evidence};
    };
    if (const auto index = m_index.plainRecordWords.findContainedIn(entry.base))
        return candidate(*index, Evidence::Kind::recordPartInName, entry.base);
    for (const QString &word : NameMatching::splitKeeping(entry.base, u".- _", 3)) {
        if (const auto index = m_index.plainRecordWordRuns.findSharing(NameMatching::stripDigits(word)))
            return candidate(*index, Evidence::Kind::nameWordResemblesRecordPart, word);
    }
    return std::nullopt;
}

std::optional<OwnerIdentifier::Candidate> OwnerIdentifier::nameWordsAgainstWords(const Entry &entry) const
{
    for (const QString &word : entry.baseWords) {
        std::optional<int> index = m_index.nameKeyWords.find(word);
        if (!index)
            index = m_index.longNameKeyWords.findContainedIn(word);
        if (!index && NameMatching::length(word) >= 5)
            index = m_index.nameKeyWords.findContaining(word);
        if (index)
            return Candidate{*index, weak(Evidence::Kind::nameWordMatchesKeyWord, word, m_index.key(*index))};
    }
    return std::nullopt;
}

std::optional<OwnerIdentifier::Candidate> OwnerIdentifier::wholeNames(const Entry &entry) const
{
    std::optional<int> index = m_index.names.findContainedIn(entry.base);
    if (!index && NameMatching::length(entry.base) >= 6)
        index = m_index.names.findContaining(entry.base);
    if (!index)
        index = m_index.nameWords.findContainedIn(entry.base);
    if (!index)
        return std::nullopt;
    return Candidate{*index, weak(Evidence::Kind::applicationNameMatches, entry.base, m_index.key(*index))};
}

std::optional<OwnerIdentifier::Candidate> OwnerIdentifier::digitFreeAndFuzzyNames(const Entry &entry) const
{
    const QString digitFreeBase = NameMatching::stripDigits(entry.base);
    const QString digitFreeName = NameMatching::stripDigits(entry.lname);
    std::optional<int> index = m_index.names.findContainedIn(entry.base);
    if (!index)
        index = m_index.names.findContainedIn(entry.lname);
    if (!index)
        index = m_index.digitFreeNames.findContainedIn(digitFreeBase);
    if (!index)
        index = m_index.digitFreeNames.findContainedIn(digitFreeName);
    if (!index)
        index = m_index.digitFreeNameRuns.findSharing(digitFreeBase);
    if (!index && NameMatching::length(entry.base) >= 4)
        index = m_index.names.findContaining(entry.base);
    if (index)
        return Candidate{*index, weak(Evidence::Kind::applicationNameResembles, entry.name, m_index.key(*index))};

    QStringList words = entry.baseWords;
    for (const QString &word : NameMatching::splitKeeping(entry.lname, u".- _", 4)) {
        if (!words.contains(word))
            words.append(word);
    }
    index = m_index.fineNameWords.findContainedIn(entry.base);
    if (!index)
        index = m_index.fineNameWords.findContainedIn(entry.lname);
    for (qsizetype i = 0; !index && i < words.size(); ++i) {
        const QString &word = words[i];
        index = m_index.fineNameWords.find(word);
        if (!index)
            index = m_index.fineNameWords.findContaining(word);
        if (!index)
            index = m_index.fineNameWords.findContainedIn(word);
        if (!index)
            index = m_index.namesWithFineWords.findContaining(word);
        if (!index)
            index = m_index.digitFreeFineNameWordRuns.findSharing(NameMatching::stripDigits(word));
    }
    if (!index)
        return std::nullopt;
    return Candidate{*index, weak(Evidence::Kind::keyWordResemblesNameWord, entry.name, m_index.key(*index))};
}

std::optional<OwnerIdentifier::Candidate> OwnerIdentifier::prefixRelation(const Entry &entry) const
{
    std::optional<int> index = m_index.unprefixedKeys.findPrefixOf(entry.lname);
    if (!index)
        index = m_index.unprefixedKeys.findStartingWith(entry.lname);
    if (!index)
        return std::nullopt;
    return Candidate{*index, weak(Evidence::Kind::keyStartsAlike, entry.lname, m_index.key(*index))};
}

std::optional<OwnerIdentifier::Candidate> OwnerIdentifier::labelAgainstKeys(const Entry &entry) const
{
    if (!entry.isPropertyList || !entry.llabel)
        return std::nullopt;
    const QString &llabel = *entry.llabel;
    std::optional<int> index = m_index.plainKeys.findPrefixOf(llabel);
    if (!index)
        index = m_index.plainKeys.findStartingWith(llabel);
    if (!index)
        index = m_index.plainKeys.findContainedIn(llabel);
    if (!index)
        index = m_index.plainKeys.findContaining(llabel.section(u'.', -1));
    if (index)
        return Candidate{*index, weak(Evidence::Kind::labelMatchesKey, *entry.label, m_index.key(*index))};
    for (const QString &part : entry.label->split(u'.')) {
        if (NameMatching::length(part) < 4)
            continue;
        const QString key = InventoryKey::of(InventoryKey::Form::keyword, part.toLower());
        if (const auto found = m_index.entryForKey(key))
            return Candidate{*found, weak(Evidence::Kind::labelPartIsKey, part, key)};
    }
    return std::nullopt;
}
