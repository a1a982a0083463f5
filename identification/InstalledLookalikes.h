// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "inventory/Inventory.h"
#include "inventory/TextIndex.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The installed applications that a leftover's name could belong to as well: those whose bundle identifier
// occurs in the name (or in its property list's Label) and those that share a telling word with it. Built once
// per scan from the applications of the inventory (bundles found in folders and running applications, not tools,
// packages or receipts); read-only afterwards, so any number of threads may ask.
class InstalledLookalikes {
public:
    explicit InstalledLookalikes(const Inventory &inventory);

    // The names of those applications, sorted and each once. Both texts are lower case.
    QStringList find(const QString &lowerName, const std::optional<QString> &lowerLabel) const;

    // The words of a lower-case text that can tell an owner: the pieces between ".", "-", "_" and spaces of at
    // least four characters that are not only digits and not generic words, each once.
    static QStringList significantTokens(const QString &lowerText);

    // A word that this many installed applications (told apart by their identifiers) share is not telling.
    static constexpr int FamilyWordApps = 4;

private:
    void addToken(const QString &token, int app);

    QStringList m_names;
    // What tells two applications apart: the lower-cased bundle identifier, else the name.
    QStringList m_identities;
    // Lower-cased bundle identifiers; the payload numbers the list of applications that have it.
    TextIndex m_bundleIDs;
    std::vector<std::vector<int>> m_appsByBundleID;
    QHash<QString, std::vector<int>> m_appsByToken;
};
