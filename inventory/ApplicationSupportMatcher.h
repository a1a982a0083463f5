#pragma once

#include "inventory/Inventory.h"

#include <QHash>
#include <QString>
#include <optional>
#include <vector>

// Ties an Application Support folder to an installed application. A folder belongs to an inventory record
// whose lower-cased name it contains or is contained in; failing that, to a record whose bundle identifier
// has a part of at least five characters that the folder name contains. A name match wins over part matches;
// among several matches of one kind any may be taken, as in a walk of the inventory in some order.
//
// The index answers each folder with work that depends on the folder name's length, not on the size of the
// inventory: names and identifier parts are hashed, and names are also kept as a sorted list of all their
// suffixes so that "a name containing the folder name" is a binary search.
class ApplicationSupportMatcher {
public:
    explicit ApplicationSupportMatcher(const Inventory &inventory);

    std::optional<InstalledApp> match(const QString &lowerCaseFolderName) const;

private:
    struct Suffix {
        qsizetype name;
        qsizetype offset;
    };

    QStringView suffixText(const Suffix &suffix) const;
    std::optional<InstalledApp> nameContainedIn(const QString &folder) const;
    std::optional<InstalledApp> nameContaining(const QString &folder) const;
    std::optional<InstalledApp> identifierPartContainedIn(const QString &folder) const;

    QHash<QString, qsizetype> m_nameIndex;
    std::vector<QString> m_names;
    std::vector<InstalledApp> m_nameRecords;
    std::vector<Suffix> m_suffixes;
    qsizetype m_longestName = 0;
    QHash<QString, InstalledApp> m_identifierParts;
    qsizetype m_longestPart = 0;
};
