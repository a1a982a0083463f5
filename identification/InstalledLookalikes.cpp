// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identification/InstalledLookalikes.h"

#include "identification/IdentificationWordLists.h"
#include "identification/NameMatching.h"
#include "inventory/InventoryKey.h"
#include "model/SystemNames.h"

#include <QSet>
#include <algorithm>

namespace {

const QSet<QString> &genericWords()
{
    static const QSet<QString> words = [] {
        QSet<QString> set;
        for (const std::string_view word : IdentificationWordLists::LookalikeGenericWords)
            set.insert(QString::fromLatin1(word.data(), qsizetype(word.size())));
        return set;
    }();
    return words;
}

bool isDigitsOnly(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); });
}

void appendOnce(std::vector<int> &list, int value)
{
    if (std::find(list.begin(), list.end(), value) == list.end())
        list.push_back(value);
}

} // namespace

QStringList InstalledLookalikes::significantTokens(const QString &lowerText)
{
    QStringList tokens;
    for (const QString &piece : NameMatching::splitKeeping(lowerText, u".-_ ", 4)) {
        if (!isDigitsOnly(piece) && !genericWords().contains(piece) && !tokens.contains(piece))
            tokens.append(piece);
    }
    return tokens;
}

InstalledLookalikes::InstalledLookalikes(const Inventory &inventory)
{
    // Only the application folders, the workspace and the running applications write "name:" keys, so their
    // records are the installed applications. Those with a system identifier own nothing a scan lists.
    QHash<QString, int> appByIdentity;
    QHash<QString, int> bundleIDLists;
    for (auto entry = inventory.begin(); entry != inventory.end(); ++entry) {
        const InstalledApp &app = *entry;
        if (!InventoryKey::hasForm(entry.key(), InventoryKey::Form::name) ||
            SystemNames::isSystemBundleIdentifier(app.bundleID))
            continue;
        const QString lowerBundleID = app.bundleID.toLower();
        const QString identity = lowerBundleID + QChar(0) + app.name;
        if (appByIdentity.contains(identity))
            continue;
        const int index = int(m_names.size());
        appByIdentity.insert(identity, index);
        m_names.append(app.name);
        m_identities.append(lowerBundleID.isEmpty() ? app.name : lowerBundleID);

        if (!lowerBundleID.isEmpty()) {
            auto list = bundleIDLists.constFind(lowerBundleID);
            if (list == bundleIDLists.cend()) {
                list = bundleIDLists.insert(lowerBundleID, int(m_appsByBundleID.size()));
                m_appsByBundleID.emplace_back();
                m_bundleIDs.add(lowerBundleID, list.value());
            }
            m_appsByBundleID[std::size_t(list.value())].push_back(index);
        }
        const QStringList parts = lowerBundleID.split(u'.');
        for (qsizetype i = 1; i < parts.size(); ++i) {
            for (const QString &token : significantTokens(parts[i]))
                addToken(token, index);
        }
        for (const QString &token : significantTokens(app.name.toLower()))
            addToken(token, index);
    }
    m_bundleIDs.build();

    // A word that many installed applications share names their maker or their family, not one of them.
    for (auto token = m_appsByToken.begin(); token != m_appsByToken.end();) {
        QSet<QString> identities;
        for (const int app : token.value())
            identities.insert(m_identities[app]);
        if (identities.size() >= FamilyWordApps)
            token = m_appsByToken.erase(token);
        else
            ++token;
    }
}

void InstalledLookalikes::addToken(const QString &token, int app)
{
    appendOnce(m_appsByToken[token], app);
}

QStringList InstalledLookalikes::find(const QString &lowerName, const std::optional<QString> &lowerLabel) const
{
    std::vector<int> apps;
    for (const QString *text : {&lowerName, lowerLabel ? &*lowerLabel : nullptr}) {
        if (!text)
            continue;
        for (const int list : m_bundleIDs.findAllContainedIn(*text)) {
            for (const int app : m_appsByBundleID[std::size_t(list)])
                appendOnce(apps, app);
        }
    }
    for (const QString &token : significantTokens(lowerName)) {
        const auto found = m_appsByToken.constFind(token);
        if (found == m_appsByToken.cend())
            continue;
        for (const int app : found.value())
            appendOnce(apps, app);
    }

    QStringList names;
    for (const int app : apps) {
        if (!names.contains(m_names[app]))
            names.append(m_names[app]);
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return names;
}
