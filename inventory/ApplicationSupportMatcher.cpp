#include "inventory/ApplicationSupportMatcher.h"

#include "model/TextMetrics.h"

#include <QSet>
#include <algorithm>

namespace {

constexpr qsizetype MinimumIdentifierPartLength = 5;
const QString ApplicationSupportPrefix = QStringLiteral("appsupport:");

} // namespace

ApplicationSupportMatcher::ApplicationSupportMatcher(const Inventory &inventory) {
    QSet<QString> seenIdentifiers;
    for (auto it = inventory.cbegin(); it != inventory.cend(); ++it) {
        if (it.key().startsWith(ApplicationSupportPrefix))
            continue;
        const InstalledApp &record = it.value();
        const QString name = record.name.toLower();
        if (!name.isEmpty() && !m_nameIndex.contains(name)) {
            m_nameIndex.insert(name, qsizetype(m_names.size()));
            m_names.push_back(name);
            m_nameRecords.push_back(record);
            m_longestName = std::max(m_longestName, name.size());
        }
        if (seenIdentifiers.contains(record.bundleID))
            continue;
        seenIdentifiers.insert(record.bundleID);
        for (const QString &part : record.bundleID.split(u'.')) {
            if (TextMetrics::characterCount(part) < MinimumIdentifierPartLength)
                continue;
            const QString lower = part.toLower();
            m_identifierParts.insert(lower, record);
            m_longestPart = std::max(m_longestPart, lower.size());
        }
    }

    for (qsizetype name = 0; name < qsizetype(m_names.size()); ++name) {
        for (qsizetype offset = 0; offset < m_names[std::size_t(name)].size(); ++offset)
            m_suffixes.push_back(Suffix{name, offset});
    }
    std::sort(m_suffixes.begin(), m_suffixes.end(),
              [this](const Suffix &a, const Suffix &b) { return suffixText(a) < suffixText(b); });
}

QStringView ApplicationSupportMatcher::suffixText(const Suffix &suffix) const {
    return QStringView(m_names[std::size_t(suffix.name)]).mid(suffix.offset);
}

std::optional<InstalledApp> ApplicationSupportMatcher::match(const QString &folder) const {
    if (folder.isEmpty())
        return std::nullopt;
    if (auto record = nameContainedIn(folder))
        return record;
    if (auto record = nameContaining(folder))
        return record;
    return identifierPartContainedIn(folder);
}

std::optional<InstalledApp> ApplicationSupportMatcher::nameContainedIn(const QString &folder) const {
    const qsizetype longest = std::min(folder.size(), m_longestName);
    for (qsizetype start = 0; start < folder.size(); ++start) {
        for (qsizetype length = 1; length <= longest && start + length <= folder.size(); ++length) {
            const auto it = m_nameIndex.constFind(folder.mid(start, length));
            if (it != m_nameIndex.cend())
                return m_nameRecords[std::size_t(it.value())];
        }
    }
    return std::nullopt;
}

std::optional<InstalledApp> ApplicationSupportMatcher::nameContaining(const QString &folder) const {
    // The first suffix not below the folder name is the only one that can start with it, if any does.
    const auto it =
        std::lower_bound(m_suffixes.begin(), m_suffixes.end(), QStringView(folder),
                         [this](const Suffix &suffix, QStringView text) { return suffixText(suffix) < text; });
    if (it == m_suffixes.end() || !suffixText(*it).startsWith(folder))
        return std::nullopt;
    return m_nameRecords[std::size_t(it->name)];
}

std::optional<InstalledApp> ApplicationSupportMatcher::identifierPartContainedIn(const QString &folder) const {
    const qsizetype longest = std::min(folder.size(), m_longestPart);
    for (qsizetype start = 0; start < folder.size(); ++start) {
        for (qsizetype length = MinimumIdentifierPartLength; length <= longest && start + length <= folder.size();
             ++length) {
            const auto it = m_identifierParts.constFind(folder.mid(start, length));
            if (it != m_identifierParts.cend())
                return it.value();
        }
    }
    return std::nullopt;
}
