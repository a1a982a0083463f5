// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The eight evidence stages of the owner identification. Each answers whether any inventory entry would be
// offered by it, and which, through the indexes of InventoryIndex instead of walking the inventory.
#include "identification/OwnerIdentifier.h"

#include "identification/NameMatching.h"
#include "inventory/InventoryKey.h"

namespace {

QString quoted(const QString &text)
{
    return u'\'' + text + u'\'';
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
                return Candidate{*index, QStringLiteral("name token %1 is inventory key %2").arg(quoted(token), key)};
        }
    }
    return std::nullopt;
}

std::optional<OwnerIdentifier::Candidate> OwnerIdentifier::keysContainingWords(const Entry &entry) const
{
    for (const QString &word : entry.baseWords) {
        if (const auto index = m_index.allKeys.findContaining(word))
            return Candidate{
                *index,
                QStringLiteral("name word %1 occurs in inventory key %2").arg(quoted(word), m_index.key(*index))};
    }
    return std::nullopt;
}

std::optional<OwnerIdentifier::Candidate> OwnerIdentifier::plainRecordParts(const Entry &entry) const
{
    auto candidate = [&](int index, const QString &how) {
        const InstalledApp &app = m_index.record(index);
        return Candidate{index, app.bundleID.isEmpty()
                                    ? QStringLiteral("%1 of %2").arg(how, app.name)
                                    : QStringLiteral("%1 of %2 (%3)").arg(how, app.name, app.bundleID)};
    };
    if (const auto index = m_index.plainRecordWords.findContainedIn(entry.base))
        return candidate(*index, QStringLiteral("identifier part or name word occurs in the name"));
    for (const QString &word : NameMatching::splitKeeping(entry.base, u".- _", 3)) {
        if (const auto index = m_index.plainRecordWordRuns.findSharing(NameMatching::stripDigits(word)))
            return candidate(
                *index, QStringLiteral("name word %1 resembles an identifier part or name word").arg(quoted(word)));
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
            return Candidate{*index, QStringLiteral("name word %1 matches a word of inventory key %2")
                                         .arg(quoted(word), m_index.key(*index))};
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
    return Candidate{*index,
                     QStringLiteral("application name of inventory key %1 matches the name").arg(m_index.key(*index))};
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
        return Candidate{
            *index, QStringLiteral("application name of inventory key %1 resembles the name").arg(m_index.key(*index))};

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
    return Candidate{
        *index, QStringLiteral("a word of inventory key %1 resembles a word of the name").arg(m_index.key(*index))};
}

std::optional<OwnerIdentifier::Candidate> OwnerIdentifier::prefixRelation(const Entry &entry) const
{
    std::optional<int> index = m_index.unprefixedKeys.findPrefixOf(entry.lname);
    if (!index)
        index = m_index.unprefixedKeys.findStartingWith(entry.lname);
    if (!index)
        return std::nullopt;
    return Candidate{*index, QStringLiteral("inventory key %1 and the name start alike").arg(m_index.key(*index))};
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
        return Candidate{
            *index,
            QStringLiteral("property-list Label %1 matches inventory key %2").arg(*entry.label, m_index.key(*index))};
    for (const QString &part : entry.label->split(u'.')) {
        if (NameMatching::length(part) < 4)
            continue;
        const QString key = InventoryKey::of(InventoryKey::Form::keyword, part.toLower());
        if (const auto found = m_index.entryForKey(key))
            return Candidate{*found,
                             QStringLiteral("property-list Label part %1 is inventory key %2").arg(quoted(part), key)};
    }
    return std::nullopt;
}
