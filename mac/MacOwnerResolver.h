// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "identification/OwnerIdentifier.h"
#include "inventory/Inventory.h"
#include "scanner/OwnerResolver.h"

#include <memory>

class AppIdentifierService;
class Platform;

// Tells who owns the entries of a Mac's Library folders: by the inventory of installed applications, through the
// identification service and its cache, and by the evidence stages of OwnerIdentifier.
class MacOwnerResolver : public OwnerResolver {
public:
    MacOwnerResolver(Inventory inventory, const Platform &platform, std::shared_ptr<AppIdentifierService> service);

    bool isCandidate(const QString &, RemnantCategory) const override { return true; }
    Attribution identify(const QString &name, const std::filesystem::path &url,
                         RemnantCategory category) const override;
    QStringList lookalikes(const QString &name, const Attribution &attribution) const override;
    std::vector<std::filesystem::path> protectedItems() const override { return m_bundles; }

    const Inventory &inventory() const { return m_inventory; }
    // The application bundles among the inventory's items, each once.
    static std::vector<std::filesystem::path> bundlesOf(const Inventory &inventory);

private:
    Inventory m_inventory;
    OwnerIdentifier m_identifier;
    std::shared_ptr<AppIdentifierService> m_service;
    std::vector<std::filesystem::path> m_bundles;
};
