// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identification/OwnerIdentifier.h"

#include "identification/AppIdentifierService.h"
#include "identification/NameMatching.h"
#include "inventory/InventoryKey.h"
#include "model/SystemNames.h"
#include "platform/DiagnosticLog.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"

namespace fs = std::filesystem;

namespace {

const QString Unknown = QStringLiteral("Unknown");

// The evidence of every entry that nothing decides, shared by all of them.
const EvidenceList &noEvidence()
{
    static const EvidenceList none{Evidence{}};
    return none;
}

} // namespace

OwnerIdentifier::OwnerIdentifier(const Inventory &inventory, const Platform &platform)
    : m_index(inventory)
    , m_lookalikes(inventory)
    , m_platform(platform)
{}

OwnerIdentifier::Entry OwnerIdentifier::describe(const QString &name, const fs::path &url) const
{
    Entry entry;
    entry.name = name;
    entry.lname = name.toLower();
    entry.base = PathNames::baseName(url).toLower();
    entry.baseWords = NameMatching::splitKeeping(entry.base, u".- _", 4);
    entry.isPropertyList = PathNames::hasExtension(url, "plist");
    if (entry.isPropertyList) {
        if (const auto list = m_platform.readPropertyList(url))
            entry.label = list->string("Label");
        if (entry.label)
            entry.llabel = entry.label->toLower();
    }
    return entry;
}

std::optional<int> OwnerIdentifier::evidenceCandidate(const QString &name, const fs::path &url) const
{
    const auto candidate = evidenceStages(describe(name, url));
    return candidate ? std::optional<int>(candidate->entry) : std::nullopt;
}

OwnerIdentification OwnerIdentifier::identifyOwner(const QString &name, const fs::path &url,
                                                   AppIdentifierService &service, QStringList *log) const
{
    const Entry entry = describe(name, url);
    OwnerIdentification owner = identify(entry, service, log);
    owner.label = entry.label;
    return owner;
}

OwnerIdentification OwnerIdentifier::identify(const Entry &entry, AppIdentifierService &service, QStringList *log) const
{
    auto write = [log](const QString &line) {
        if (log)
            log->append(line);
        else
            DiagnosticLog::write(line);
    };
    const QString &name = entry.name;
    if (auto direct = directEvidence(entry))
        return *direct;

    const AppIdentifierService::Answer answer = service.identifyApp(name);
    if (answer.appName && answer.confidence != AppIdentifierService::Confidence::low) {
        const bool high = answer.confidence == AppIdentifierService::Confidence::high;
        write(QString::fromUtf8(high ? "✅ Enhanced identification: " : "⚠️ Enhanced identification: ") + name +
              QStringLiteral(" → ") + *answer.appName + QStringLiteral(" (confidence: ") +
              QString::fromLatin1(AppIdentifierService::confidenceName(answer.confidence)) + u')');
        const bool installed = isInstalled(answer.bundleID, answer.appName);
        write(QString::fromUtf8(installed ? "   ✅ App is installed → .stale"
                                          : "   ⚠️ App is NOT installed → .orphan"));
        return OwnerIdentification{answer.bundleID, answer.appName,
                                   installed ? RemnantStatus::stale : RemnantStatus::orphan, answer.evidence};
    }

    const auto candidate = evidenceStages(entry);
    if (!candidate)
        return OwnerIdentification{std::nullopt, std::nullopt, RemnantStatus::orphan, noEvidence()};
    const InstalledApp &app = m_index.record(candidate->entry);
    if (!isInstalled(app.identifier(), app.name))
        return OwnerIdentification{app.identifier(), app.name, RemnantStatus::orphan, {candidate->evidence}, true};
    if (bundleIDMatchesItem(app.bundleID, entry.base, entry.llabel))
        return OwnerIdentification{app.identifier(), app.name, RemnantStatus::stale, {candidate->evidence}, true};
    OwnerIdentification unnamed{app.identifier(), Unknown, RemnantStatus::stale, {candidate->evidence}, true};
    unnamed.unnamed = true;
    return unnamed;
}

std::optional<OwnerIdentification> OwnerIdentifier::directEvidence(const Entry &entry) const
{
    auto found = [&](int index, bool withName, Evidence::Kind kind, const QString &name, const QString &source) {
        const InstalledApp &app = m_index.record(index);
        OwnerIdentification owner{app.identifier(),
                                  withName ? app.name : Unknown,
                                  RemnantStatus::stale,
                                  {Evidence{kind, Evidence::Strength::direct, name, source, app.name}}};
        owner.unnamed = !withName;
        return owner;
    };

    if (entry.isPropertyList && entry.label) {
        const QString &label = *entry.label;
        if (SystemNames::isSystemBundleIdentifier(label))
            return OwnerIdentification{label,
                                       std::nullopt,
                                       RemnantStatus::stale,
                                       {Evidence{Evidence::Kind::systemLabel, Evidence::Strength::direct, label}}};
        if (const auto index = m_index.entryForKey(*entry.llabel))
            return found(*index, true, Evidence::Kind::labelIsInventoryKey, label, m_index.key(*index));
        if (const auto index = m_index.entryWithBundleID(*entry.llabel))
            return found(*index, true, Evidence::Kind::labelIsBundleIdentifier, label, m_index.record(*index).bundleID);
    }

    const std::tuple<QString, const QString &, bool> keys[] = {
        {InventoryKey::of(InventoryKey::Form::name, entry.base), entry.base, true},
        {InventoryKey::of(InventoryKey::Form::helper, entry.base), entry.base, true},
        {InventoryKey::of(InventoryKey::Form::receipt, entry.base), entry.base, true},
        {InventoryKey::of(InventoryKey::Form::appSupport, entry.base), entry.base, true},
        {entry.lname, entry.lname, false}};
    // The evidence names the inventory's own key, whose text the inventory holds anyway.
    for (const auto &[key, text, withName] : keys) {
        if (const auto index = m_index.entryForKey(key))
            return found(*index, withName, Evidence::Kind::inventoryKey, text, m_index.key(*index));
    }
    for (const QString &text : {entry.lname, entry.base}) {
        if (const auto index = m_index.entryWithBundleID(text))
            return found(*index, true, Evidence::Kind::nameIsBundleIdentifier, text, m_index.record(*index).bundleID);
    }
    return std::nullopt;
}

bool OwnerIdentifier::isInstalled(const std::optional<QString> &bundleID, const std::optional<QString> &appName) const
{
    if (bundleID) {
        const QString lower = bundleID->toLower();
        if (m_index.entryForKey(lower) || m_index.entryWithBundleID(lower))
            return true;
    }
    if (appName) {
        const QString lower = appName->toLower();
        if (m_index.entryForKey(InventoryKey::of(InventoryKey::Form::name, lower)) || m_index.entryWithName(lower))
            return true;
    }
    return false;
}

bool OwnerIdentifier::bundleIDMatchesItem(const QString &bundleID, const QString &base,
                                          const std::optional<QString> &label)
{
    QStringList parts;
    for (const QString &part : bundleID.toLower().split(u'.')) {
        if (NameMatching::length(part) >= 2 && !SystemNames::isGenericBundleWord(part))
            parts.append(part);
    }
    for (const QString &part : parts) {
        if (NameMatching::contains(base, part) || (label && NameMatching::contains(*label, part)))
            return true;
    }
    return false;
}

std::optional<OwnerIdentifier::Candidate> OwnerIdentifier::evidenceStages(const Entry &entry) const
{
    // Only the first stage that offers an owner decides, so the later ones are not run.
    using Stage = std::optional<Candidate> (OwnerIdentifier::*)(const Entry &) const;
    for (const Stage stage : {&OwnerIdentifier::tokenKeys, &OwnerIdentifier::keysContainingWords,
                              &OwnerIdentifier::plainRecordParts, &OwnerIdentifier::nameWordsAgainstWords,
                              &OwnerIdentifier::wholeNames, &OwnerIdentifier::digitFreeAndFuzzyNames,
                              &OwnerIdentifier::prefixRelation, &OwnerIdentifier::labelAgainstKeys}) {
        if (auto candidate = (this->*stage)(entry))
            return candidate;
    }
    return std::nullopt;
}
