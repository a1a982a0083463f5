// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Evidence.h"
#include "model/RemnantAction.h"
#include "model/RemnantCategory.h"
#include "model/RemnantRisk.h"
#include "model/RemnantStatus.h"
#include "platform/SizeMeasurement.h"

#include <QDateTime>
#include <QHashFunctions>
#include <QString>
#include <QStringList>
#include <QUuid>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One entry found in a scanned Library folder, shared by the scanner's list and every view that shows it. Its
// identity is its id: two items are equal only when they are the same found entry. The scan session tells when its
// action or its measurement changes.
class RemnantItem {
    // The scan session alone measures what the entry takes on disk.
    friend class ScanSession;

public:
    // What the scan learnt about the entry; every item gets a new random id on top.
    struct Fields {
        std::filesystem::path url{};
        RemnantCategory category = RemnantCategory::other;
        RemnantStatus status = RemnantStatus::unknown;
        std::optional<QString> bundleIdentifier{};
        std::optional<QString> matchedAppName{};
        qint64 fileSize = 0;
        std::optional<QDateTime> lastModified{}; // content modification
        std::optional<QDateTime> lastOpened{};   // Spotlight's last-used date
        std::optional<QDateTime> lastUsed{};     // content access
        std::optional<QDateTime> creationDate{};
        RemnantRisk risk = RemnantRisk::review;
        // Why the entry was attributed to its owner, e.g. that it is the inventory key helper:zzqx.
        EvidenceList evidence{};
        // The owner came from loose name matching rather than from direct evidence or the known-app catalogue.
        bool weakMatch = false;
        // Its owner's name reads "Unknown": which application it is was not told, or the owner is gone.
        bool ownerUnnamed = false;
        // Installed applications whose names the entry's name matches too, sorted; only for orphans.
        QStringList lookalikes{};
        // Only changes tell of use: the entry's own modification and, once measured, the newest change inside it.
        // Where anything may read the files (backups, indexers, disk-usage tools), reading is no sign of use.
        bool lastUseFromChanges = false;
    };

    explicit RemnantItem(Fields fields);

    // Shares records made as values, which then stay together in one block for as long as one of them is held.
    static std::vector<std::shared_ptr<RemnantItem>> inOneBlock(std::vector<RemnantItem> records);

    // The ways an entry's last use is told from its dates: the first of the listed dates that is present. A date
    // that is present but invalid is an age that cannot be told.
    enum class LastUseRule {
        openedElseModified,             // ages, the long-unused mark, the stale filter, unknown entries' risk
        openedElseAccessedElseModified, // orphans' classification, the last-used order
    };
    static std::optional<QDateTime> lastUseDate(LastUseRule rule, const std::optional<QDateTime> &opened,
                                                const std::optional<QDateTime> &accessed,
                                                const std::optional<QDateTime> &modified);
    std::optional<QDateTime> lastUseDate(LastUseRule rule) const;

    // Days without use from which an entry is drawn as long unused, whatever the stale threshold.
    static constexpr qint64 LongUnusedDays = 181;

    QUuid id() const { return m_id; }
    // The entry's path, with the exact bytes the listing found. Kept as its bytes, which take a fraction of the
    // memory of a path object of many components.
    std::filesystem::path url() const { return std::filesystem::path(m_url); }
    const std::string &urlBytes() const { return m_url; }
    QString displayPath() const;
    // The last path component for display, made when asked: the path's bytes are what the record keeps.
    QString name() const;
    RemnantCategory category() const { return m_category; }
    RemnantStatus status() const { return m_status; }
    const std::optional<QString> &bundleIdentifier() const { return m_bundleIdentifier; }
    const std::optional<QString> &matchedAppName() const { return m_matchedAppName; }
    qint64 fileSize() const { return m_fileSize; }
    std::optional<QDateTime> lastModified() const { return date(Flag::hasLastModified, m_lastModified); }
    std::optional<QDateTime> lastOpened() const { return date(Flag::hasLastOpened, m_lastOpened); }
    std::optional<QDateTime> lastUsed() const { return date(Flag::hasLastUsed, m_lastUsed); }
    std::optional<QDateTime> creationDate() const { return date(Flag::hasCreationDate, m_creationDate); }
    RemnantRisk risk() const { return m_risk; }
    const EvidenceList &evidence() const { return m_evidence; }
    bool isWeakMatch() const { return has(Flag::weakMatch); }
    // Which application owns it was not told, or the owner is gone: its name reads "Unknown".
    bool isOwnerUnnamed() const { return has(Flag::ownerUnnamed); }
    const QStringList &lookalikes() const { return m_lookalikes; }
    bool hasLookalikes() const { return !m_lookalikes.isEmpty(); }
    // What the entry and everything inside it take on disk (allocated blocks); absent until measured.
    std::optional<qint64> sizeOnDisk() const
    {
        return has(Flag::measured) ? std::optional<qint64>(m_sizeOnDisk) : std::nullopt;
    }
    // The files the entry holds (1 for a file), once measured; 0 before.
    qint64 itemCount() const { return m_itemCount; }
    // The measurement passed over folders it could not read: the size is at least sizeOnDisk.
    bool sizePartial() const { return has(Flag::sizePartial); }
    // The files of the entry that have names elsewhere too, once measured: a total over several entries counts each
    // of them once.
    const std::vector<SizeMeasurement::SharedFile> &sharedFiles() const;
    // The size to show and sort by: the size on disk once measured, else fileSize.
    qint64 displayedSize() const { return has(Flag::measured) ? m_sizeOnDisk : m_fileSize; }
    // What the entry holds of the user's own files, taken with its size; null until then.
    const ContentCensus *census() const;
    // When anything inside last changed, once the census is taken.
    std::optional<QDateTime> newestInside() const;
    bool holdsUserFiles() const { return m_contents && m_contents->census.holdsUserFiles(); }
    // Something inside changed within the stale threshold that held when the census was taken.
    bool wasUsedRecently() const { return has(Flag::usedRecently); }
    // The entry must not leave unless the user confirms it by name: it holds the user's own files or was used
    // recently. An orphan's risk is raised to review when its census shows either.
    bool isGuarded() const { return holdsUserFiles() || wasUsedRecently(); }
    RemnantAction action() const { return m_action; }

    void setAction(const RemnantAction &action) { m_action = action; }

    // Whole days from the last use (Spotlight's date, else the modification date) to Clock::now(); negative for a
    // date in the future, absent without either date. Computed on every call.
    std::optional<qint64> daysSinceLastUse() const;
    // The last use is a date the system recorded the entry being opened, not a change to it.
    bool lastUseIsOpening() const { return has(Flag::hasLastOpened); }
    // Whether only changes tell of the item's use (see Fields::lastUseFromChanges).
    bool lastUseFromChanges() const { return has(Flag::lastUseFromChanges); }
    // True from LongUnusedDays without use on.
    bool isLongUnused() const;
    // The last-used order's date (openedElseAccessedElseModified) as milliseconds since the epoch, the smallest
    // number without any; computed once.
    qint64 lastUseSortKey() const { return m_lastUseSortKey; }
    // The lower-cased name, bundle identifier and application name, one per line, in UTF-8: what a search looks in.
    std::string searchText() const;
    // True when the lower-cased name, bundle identifier or application name contains `lowerQuery`.
    bool matchesSearch(const QString &lowerQuery) const;
    // The same, with the query also given in UTF-8, for filters that ask every record.
    bool matchesSearch(const QString &lowerQuery, std::string_view lowerQueryUtf8) const;

    friend bool operator==(const RemnantItem &left, const RemnantItem &right) { return left.m_id == right.m_id; }

private:
    enum class Flag : quint16 {
        hasLastModified = 1 << 0,
        hasLastOpened = 1 << 1,
        hasLastUsed = 1 << 2,
        hasCreationDate = 1 << 3,
        weakMatch = 1 << 4,
        ownerUnnamed = 1 << 5,
        lastUseFromChanges = 1 << 6,
        measured = 1 << 7,
        sizePartial = 1 << 8,
        usedRecently = 1 << 9,
        hasNewestInside = 1 << 10,
    };
    // What a measurement found beyond sizes and dates: held apart, as only a few entries hold the user's files or
    // files linked from elsewhere.
    struct Contents {
        ContentCensus census;
        std::vector<SizeMeasurement::SharedFile> sharedFiles;
    };

    bool has(Flag flag) const { return (m_flags & quint16(flag)) != 0; }
    void set(Flag flag, bool on)
    {
        m_flags = on ? quint16(m_flags | quint16(flag)) : quint16(m_flags & ~quint16(flag));
    }
    std::optional<QDateTime> date(Flag flag, const QDateTime &value) const
    {
        return has(flag) ? std::optional<QDateTime>(value) : std::nullopt;
    }
    void setDate(Flag flag, QDateTime &value, std::optional<QDateTime> &&given);
    void setMeasurement(const SizeMeasurement &measurement, int staleThresholdDays);
    void updateLastUseSortKey();

    // Every record is kept for as long as the list shows it, so its layout is kept small.
    QUuid m_id;
    std::string m_url;
    std::optional<QString> m_bundleIdentifier;
    std::optional<QString> m_matchedAppName;
    EvidenceList m_evidence;
    QStringList m_lookalikes;
    QDateTime m_lastModified;
    QDateTime m_lastOpened;
    QDateTime m_lastUsed;
    QDateTime m_creationDate;
    qint64 m_fileSize = 0;
    qint64 m_lastUseSortKey;
    qint64 m_sizeOnDisk = 0;
    qint64 m_itemCount = 0;
    qint64 m_newestInside = 0;
    std::shared_ptr<const Contents> m_contents;
    // The place in the session's list, by the order the scan found it in.
    quint64 m_listOrder = 0;
    RemnantAction m_action;
    RemnantCategory m_category;
    RemnantStatus m_status;
    RemnantRisk m_risk;
    quint16 m_flags = 0;
};

using RemnantItemPtr = std::shared_ptr<RemnantItem>;

inline size_t qHash(const RemnantItem &item, size_t seed = 0) noexcept
{
    return qHash(item.id(), seed);
}

template <> struct std::hash<RemnantItem> {
    size_t operator()(const RemnantItem &item) const noexcept { return qHash(item.id()); }
};
