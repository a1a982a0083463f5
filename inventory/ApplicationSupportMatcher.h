// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "inventory/Inventory.h"
#include "inventory/TextIndex.h"

#include <QString>
#include <optional>
#include <vector>

// Ties an Application Support folder to an installed application. A folder belongs to an inventory record
// whose lower-cased name it contains or is contained in; failing that, to a record whose bundle identifier
// has a part of at least five characters that the folder name contains. A name match wins over part matches;
// among several matches of one kind any may be taken, but always the same one for the same inventory.
class ApplicationSupportMatcher {
public:
    explicit ApplicationSupportMatcher(const Inventory &inventory);

    std::optional<InstalledApp> match(const QString &lowerCaseFolderName) const;

private:
    std::vector<InstalledApp> m_records;
    TextIndex m_names{TextIndex::ShortQuestions::Indexed, TextIndex::ContainedIn | TextIndex::Containing};
    TextIndex m_identifierParts{TextIndex::ShortQuestions::Rare, TextIndex::ContainedIn};
};
