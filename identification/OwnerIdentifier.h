// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "identification/InstalledLookalikes.h"
#include "identification/InventoryIndex.h"
#include "identification/OwnerIdentification.h"

#include <filesystem>

class AppIdentifierService;
class Platform;

// Attributes one leftover entry to its owner: direct evidence (a launch property list's Label, exact
// inventory keys), then the identification service, then eight fuzzy evidence stages over the inventory,
// and finally the verdict whether the owner is installed.
class OwnerIdentifier {
public:
    OwnerIdentifier(const Inventory &inventory, const Platform &platform);

    // Any number of threads may identify entries at once. The lines for the log are written at once, or, when
    // `log` is given, appended to it for the caller to write in an order of its choosing.
    OwnerIdentification identifyOwner(const QString &name, const std::filesystem::path &url,
                                      AppIdentifierService &service, QStringList *log = nullptr) const;

    bool isInstalled(const std::optional<QString> &bundleID, const std::optional<QString> &appName) const;
    static bool bundleIDMatchesItem(const QString &bundleID, const QString &base, const std::optional<QString> &label);

    const InventoryIndex &index() const { return m_index; }
    const InstalledLookalikes &lookalikes() const { return m_lookalikes; }
    // The inventory entry that the evidence stages offer as the owner, if any; for diagnostics and tests.
    std::optional<int> evidenceCandidate(const QString &name, const std::filesystem::path &url) const;

private:
    // The entry being identified, with the forms of its name that the stages compare.
    struct Entry {
        QString name;
        QString lname;
        QString base;
        // The pieces of base between ".", "-", "_" and spaces that have four characters or more.
        QStringList baseWords;
        bool isPropertyList = false;
        std::optional<QString> label;
        std::optional<QString> llabel;
    };
    Entry describe(const QString &name, const std::filesystem::path &url) const;
    OwnerIdentification identify(const Entry &entry, AppIdentifierService &service, QStringList *log) const;

    struct Candidate {
        int entry;
        Evidence evidence;
    };

    std::optional<OwnerIdentification> directEvidence(const Entry &entry) const;
    std::optional<Candidate> evidenceStages(const Entry &entry) const;
    std::optional<Candidate> tokenKeys(const Entry &entry) const;
    std::optional<Candidate> keysContainingWords(const Entry &entry) const;
    std::optional<Candidate> plainRecordParts(const Entry &entry) const;
    std::optional<Candidate> nameWordsAgainstWords(const Entry &entry) const;
    std::optional<Candidate> wholeNames(const Entry &entry) const;
    std::optional<Candidate> digitFreeAndFuzzyNames(const Entry &entry) const;
    std::optional<Candidate> prefixRelation(const Entry &entry) const;
    std::optional<Candidate> labelAgainstKeys(const Entry &entry) const;

    InventoryIndex m_index;
    InstalledLookalikes m_lookalikes;
    const Platform &m_platform;
};
