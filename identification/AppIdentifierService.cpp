// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identification/AppIdentifierService.h"

#include "identification/IdentificationWordLists.h"
#include "identification/KnownAppMatcher.h"
#include "identification/NameMatching.h"
#include "model/Clock.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"

AppIdentifierService::AppIdentifierService(const Platform *platform)
    : m_platform(platform)
{}

const char *AppIdentifierService::confidenceName(Confidence confidence)
{
    switch (confidence) {
    case Confidence::high:
        return "high";
    case Confidence::medium:
        return "medium";
    case Confidence::low:
        break;
    }
    return "low";
}

QString AppIdentifierService::normalizedKey(const QString &name)
{
    QString key = name.toLower();
    for (const char *suffix : {".plist", ".app", ".framework"})
        key.remove(QLatin1StringView(suffix));
    for (const std::string_view prefix : IdentificationWordLists::ReverseDomainPrefixes) {
        const QLatin1StringView text(prefix.data(), qsizetype(prefix.size()));
        if (key.startsWith(text))
            key.remove(0, text.size());
    }
    return key;
}

AppIdentifierService::Answer AppIdentifierService::identifyApp(const QString &name,
                                                               const std::optional<QString> &bundleID)
{
    const QString key = normalizedKey(name);
    const qint64 now = Clock::now().toMSecsSinceEpoch();
    // The lock is held only to look up and to store: answers are worked out in parallel. Of two threads that work
    // out the same key at once, the first to store it wins and both give its answer, as when one waits for the
    // other.
    const auto cachedAnswer = [&]() -> std::optional<Answer> {
        const auto cached = m_cache.find(key);
        if (!cached || now - cached->computedAt > cacheLifetime * 1000)
            return std::nullopt;
        return m_answers[cached->answer];
    };
    {
        const std::lock_guard lock(m_mutex);
        if (std::optional<Answer> answer = cachedAnswer())
            return *answer;
    }

    std::optional<CachedResult> result;
    if (bundleID)
        result = identifyByBundleID(*bundleID);
    if (!result)
        result = identifyByName(key);
    const qint64 computedAt = result ? result->timestamp.toMSecsSinceEpoch() : now;
    const Answer answer = result ? Answer{result->appName, result->bundleID, result->confidence, result->evidence}
                                 : Answer{std::nullopt, std::nullopt, Confidence::low, EvidenceList{Evidence{}}};
    const std::lock_guard lock(m_mutex);
    if (std::optional<Answer> cached = cachedAnswer())
        return *cached;
    const std::uint32_t number = answerNumber(answer);
    m_cache.store(key, AnswerCache::Held{number, computedAt});
    return m_answers[number];
}

std::uint32_t AppIdentifierService::answerNumber(const Answer &answer)
{
    const Evidence first = answer.evidence.value(0);
    const std::size_t hash = qHashMulti(0, answer.appName.value_or(QString()), answer.bundleID.value_or(QString()),
                                        int(answer.confidence), first.name, first.source);
    const auto [begin, end] = m_answerNumbers.equal_range(hash);
    for (auto it = begin; it != end; ++it) {
        if (m_answers[*it] == answer)
            return *it;
    }
    const auto number = std::uint32_t(m_answers.size());
    m_answers.push_back(answer);
    m_answerNumbers.insert(hash, number);
    return number;
}

void AppIdentifierService::clearCache()
{
    std::lock_guard lock(m_mutex);
    m_cache.clear();
    m_answers = {};
    m_answerNumbers = {};
}

qsizetype AppIdentifierService::cacheSize() const
{
    std::lock_guard lock(m_mutex);
    return m_cache.size();
}

std::optional<AppIdentifierService::CachedResult>
AppIdentifierService::identifyByBundleID(const QString &bundleID) const
{
    if (auto installed = lookupInstalledApp(bundleID))
        return installed;
    QStringList components;
    for (const QString &component : bundleID.split(u'.')) {
        if (!IdentificationWordLists::contains(IdentificationWordLists::BundleIDTopLevelWords,
                                               component.toLower().toStdString()))
            components.append(component);
    }
    if (components.isEmpty())
        return std::nullopt;
    for (const QString &component : components) {
        if (auto known = matchKnownApp(component))
            return known;
    }
    const QString &last = components.last();
    if (NameMatching::length(last) < 3)
        return std::nullopt;
    return CachedResult{
        NameMatching::capitalized(last), bundleID, Clock::now(), Confidence::low,
        EvidenceList{Evidence{Evidence::Kind::bundleIdentifierLastPart, Evidence::Strength::weak, last, bundleID}}};
}

std::optional<AppIdentifierService::CachedResult> AppIdentifierService::identifyByName(const QString &key) const
{
    if (auto known = matchKnownApp(key))
        return known;
    return matchHelperSuffix(key);
}

std::optional<AppIdentifierService::CachedResult>
AppIdentifierService::lookupInstalledApp(const QString &bundleID) const
{
    if (!m_platform)
        return std::nullopt;
    const auto location = m_platform->applicationForBundleIdentifier(bundleID);
    if (!location)
        return std::nullopt;
    const QString name = PathNames::baseName(*location);
    return CachedResult{name, bundleID, Clock::now(), Confidence::high,
                        EvidenceList{Evidence{Evidence::Kind::installedApplication, Evidence::Strength::direct,
                                              bundleID, PathNames::text(*location), name}}};
}

std::optional<AppIdentifierService::CachedResult> AppIdentifierService::matchKnownApp(const QString &text)
{
    const auto match = KnownAppMatcher::shared().firstMatch(text.toLower());
    if (!match)
        return std::nullopt;
    const QString name = QString::fromUtf8(match->app->name);
    return CachedResult{
        name, QString::fromUtf8(match->app->bundleID), Clock::now(), Confidence::medium,
        EvidenceList{Evidence{Evidence::Kind::catalogueKeyword, Evidence::Strength::catalogue,
                              QString::fromUtf8(match->app->keyword), QString::number(match->row), name}}};
}

std::optional<AppIdentifierService::CachedResult> AppIdentifierService::matchHelperSuffix(const QString &text)
{
    QString lower = text.toLower();
    if (!lower.endsWith(QStringLiteral("helper")) && !lower.endsWith(QStringLiteral("agent")))
        return std::nullopt;
    lower.remove(QStringLiteral("helper"));
    lower.remove(QStringLiteral("agent"));
    qsizetype start = 0;
    qsizetype end = lower.size();
    while (start < end && (lower[start] == u' ' || lower[start] == u'\t'))
        ++start;
    while (end > start && (lower[end - 1] == u' ' || lower[end - 1] == u'\t'))
        --end;
    if (start == end)
        return std::nullopt;
    const QString stem = lower.mid(start, end - start);
    return CachedResult{NameMatching::capitalized(stem), std::nullopt, Clock::now(), Confidence::low,
                        EvidenceList{Evidence{Evidence::Kind::helperNamePattern, Evidence::Strength::weak, stem}}};
}
