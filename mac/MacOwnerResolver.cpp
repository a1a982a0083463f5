// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mac/MacOwnerResolver.h"

#include "identification/AppIdentifierService.h"

#include <QSet>

MacOwnerResolver::MacOwnerResolver(Inventory inventory, const Platform &platform,
                                   std::shared_ptr<AppIdentifierService> service)
    : m_inventory(std::move(inventory))
    , m_identifier(m_inventory, platform)
    , m_service(std::move(service))
    , m_bundles(bundlesOf(m_inventory))
{}

OwnerResolver::Attribution MacOwnerResolver::identify(const QString &name, const std::filesystem::path &url,
                                                      RemnantCategory) const
{
    Attribution attribution;
    attribution.owner = m_identifier.identifyOwner(name, url, *m_service, &attribution.log);
    return attribution;
}

QStringList MacOwnerResolver::lookalikes(const QString &name, const Attribution &attribution) const
{
    const std::optional<QString> &label = attribution.owner.label;
    return m_identifier.lookalikes().find(name.toLower(),
                                          label ? std::optional<QString>(label->toLower()) : std::nullopt);
}

std::vector<std::filesystem::path> MacOwnerResolver::bundlesOf(const Inventory &inventory)
{
    std::vector<std::filesystem::path> bundles;
    QSet<QByteArray> seen;
    for (const InstalledApp &record : inventory) {
        if (!record.url.toLower().endsWith(".app") || seen.contains(record.url))
            continue;
        seen.insert(record.url);
        bundles.push_back(record.path());
    }
    return bundles;
}
