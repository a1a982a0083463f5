// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/LinuxOwnerResolver.h"

LinuxOwnerResolver::LinuxOwnerResolver(LinuxInventory inventory, const Platform &platform)
    : m_identifier(std::move(inventory), platform)
{}

OwnerResolver::Attribution LinuxOwnerResolver::identify(const QString &name, const std::filesystem::path &url,
                                                        RemnantCategory category) const
{
    const LinuxOwnerIdentifier::Attribution found = m_identifier.identifyOwner(name, url, category);
    Attribution attribution;
    attribution.owner = found.owner;
    return attribution;
}

QStringList LinuxOwnerResolver::lookalikes(const QString &name, const Attribution &) const
{
    return m_identifier.lookalikes(name);
}
