// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "linuxdesktop/LinuxOwnerIdentifier.h"
#include "scanner/OwnerResolver.h"

// Tells who owns the entries of a Linux home by LinuxOwnerIdentifier.
class LinuxOwnerResolver : public OwnerResolver {
public:
    LinuxOwnerResolver(LinuxInventory inventory, const Platform &platform);

    bool isCandidate(const QString &name, RemnantCategory) const override
    {
        return !m_identifier.isDesktopComponent(name);
    }
    Attribution identify(const QString &name, const std::filesystem::path &url,
                         RemnantCategory category) const override;
    QStringList lookalikes(const QString &name, const Attribution &attribution) const override;
    std::vector<std::filesystem::path> protectedItems() const override { return {}; }

    const LinuxOwnerIdentifier &identifier() const { return m_identifier; }

private:
    LinuxOwnerIdentifier m_identifier;
};
