// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Evidence.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <mutex>
#include <optional>

class Platform;

// Tells which application a leftover's name belongs to, from the workspace, the known-app catalogue and the
// helper-name pattern, and remembers every answer, negative ones included, for seven days. Any number of threads
// may ask at once; the cache's lock is held only to look up and to store.
class AppIdentifierService {
public:
    struct CachedResult {
        enum class Confidence { high, medium, low };

        std::optional<QString> appName;
        std::optional<QString> bundleID;
        QDateTime timestamp;
        Confidence confidence = Confidence::low;
        EvidenceList evidence; // what produced the answer: one clause, shared by every record it decides
    };
    using Confidence = CachedResult::Confidence;

    struct Answer {
        std::optional<QString> appName;
        std::optional<QString> bundleID;
        Confidence confidence = Confidence::low;
        EvidenceList evidence;
    };

    static constexpr qint64 cacheLifetime = 604800;

    // The platform answers the workspace lookup by bundle identifier; without one it always answers absent.
    explicit AppIdentifierService(const Platform *platform = nullptr);

    Answer identifyApp(const QString &name, const std::optional<QString> &bundleID = std::nullopt);
    void clearCache();
    qsizetype cacheSize() const;

    static QString normalizedKey(const QString &name);
    static const char *confidenceName(Confidence confidence);

    std::optional<CachedResult> identifyByBundleID(const QString &bundleID) const;
    std::optional<CachedResult> identifyByName(const QString &key) const;
    std::optional<CachedResult> lookupInstalledApp(const QString &bundleID) const;
    static std::optional<CachedResult> matchKnownApp(const QString &text);
    static std::optional<CachedResult> matchHelperSuffix(const QString &text);

private:
    const Platform *m_platform;
    mutable std::mutex m_mutex;
    QHash<QString, CachedResult> m_cache;
};
