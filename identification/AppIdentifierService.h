// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "identification/AnswerCache.h"
#include "model/Evidence.h"

#include <QDateTime>
#include <QMultiHash>
#include <QString>
#include <mutex>
#include <optional>
#include <vector>

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

        bool operator==(const Answer &) const = default;
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
    // The number of an answer equal to `answer`, which is added if there is none yet.
    std::uint32_t answerNumber(const Answer &answer);

    const Platform *m_platform;
    mutable std::mutex m_mutex;
    AnswerCache m_cache;
    // Every distinct answer once: the names that one catalogue row decides, or that nothing decides, share its texts
    // and its evidence.
    std::vector<Answer> m_answers;
    QMultiHash<std::size_t, std::uint32_t> m_answerNumbers; // by a hash of the answer
};
