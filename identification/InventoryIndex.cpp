// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identification/InventoryIndex.h"

#include "identification/IdentificationWordLists.h"
#include "identification/NameMatching.h"
#include "inventory/InventoryKey.h"
#include "inventory/ParallelWork.h"
#include "inventory/StageTimings.h"

#include <QSet>
#include <array>

namespace {

bool isListed(std::span<const std::string_view> list, const QString &word)
{
    return IdentificationWordLists::contains(list, word.toStdString());
}

} // namespace

InventoryIndex::InventoryIndex(const Inventory &inventory)
    : m_inventory(inventory)
{
    const StageTimings::Scope timing(StageTimings::Stage::indexBuild);
    QSet<QString> plainRecordsSeen;
    for (int entry = 0; entry < int(m_inventory.size()); ++entry) {
        const QString &key = this->key(entry);
        const InstalledApp &app = record(entry);
        if (!app.bundleID.isEmpty())
            m_entryByBundleID.insert(app.bundleID.toLower(), entry);
        m_entryByName.insert(app.name.toLower(), entry);
        allKeys.add(key, entry);

        if (InventoryKey::isOutsideRecordForms(key))
            unprefixedKeys.add(key, entry);
        if (InventoryKey::isPlain(key)) {
            plainKeys.add(key, entry);
            const QString identity = app.bundleID + QChar(0) + app.name;
            if (!plainRecordsSeen.contains(identity)) {
                plainRecordsSeen.insert(identity);
                QStringList candidates = app.bundleID.split(u'.');
                candidates += NameMatching::splitKeeping(app.name.toLower(), u" -_", 4);
                for (const QString &candidate : candidates) {
                    if (NameMatching::length(candidate) < 4)
                        continue;
                    const QString lower = candidate.toLower();
                    if (isListed(IdentificationWordLists::CandidateSkipWords, lower))
                        continue;
                    plainRecordWords.add(lower, entry);
                    plainRecordWordRuns.add(NameMatching::stripDigits(lower), entry);
                }
            }
        }

        if (!InventoryKey::hasForm(key, InventoryKey::Form::name))
            continue;
        const QString name = key.mid(5);
        const qsizetype length = NameMatching::length(name);
        if (length >= 5) {
            for (const QString &word : NameMatching::splitKeeping(name, u" -_", 4)) {
                const QString lower = word.toLower();
                if (isListed(IdentificationWordLists::NameSkipWords, lower))
                    continue;
                nameKeyWords.add(lower, entry);
                if (NameMatching::length(lower) >= 5)
                    longNameKeyWords.add(lower, entry);
            }
        }
        if (length >= 4) {
            names.add(name, entry);
            for (const QString &word : NameMatching::splitKeeping(name, u" -_", 4))
                nameWords.add(word, entry);
            const QString digitFree = NameMatching::stripDigits(name);
            digitFreeNames.add(digitFree, entry);
            digitFreeNameRuns.add(digitFree, entry);
            const QStringList fineWords = NameMatching::splitKeeping(name, u" -_.", 4);
            for (const QString &word : fineWords) {
                fineNameWords.add(word, entry);
                digitFreeFineNameWordRuns.add(NameMatching::stripDigits(word), entry);
            }
            if (!fineWords.isEmpty())
                namesWithFineWords.add(name, entry);
        }
    }

    // The indexes are independent of each other, so they are built side by side; the largest first.
    const std::array<TextIndex *, 11> indexes{&allKeys,        &plainKeys,     &unprefixedKeys,    &plainRecordWords,
                                              &nameKeyWords,   &nameWords,     &longNameKeyWords,  &names,
                                              &digitFreeNames, &fineNameWords, &namesWithFineWords};
    ParallelWork::forEachIndex(indexes.size(), ParallelWork::defaultWorkers(),
                               [&](std::size_t i) { indexes[i]->build(); });
}

std::optional<int> InventoryIndex::entryForKey(const QString &key) const
{
    const auto position = m_inventory.position(key);
    return position ? std::optional<int>(int(*position)) : std::nullopt;
}

std::optional<int> InventoryIndex::entryWithBundleID(const QString &lowerCaseBundleID) const
{
    const auto it = m_entryByBundleID.constFind(lowerCaseBundleID);
    return it == m_entryByBundleID.cend() ? std::nullopt : std::optional<int>(it.value());
}

std::optional<int> InventoryIndex::entryWithName(const QString &lowerCaseName) const
{
    const auto it = m_entryByName.constFind(lowerCaseName);
    return it == m_entryByName.cend() ? std::nullopt : std::optional<int>(it.value());
}
