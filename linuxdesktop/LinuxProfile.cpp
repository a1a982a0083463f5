// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/LinuxProfile.h"

#include "linuxdesktop/LinuxLocations.h"
#include "linuxdesktop/LinuxOwnerResolver.h"
#include "platform/DiagnosticLog.h"
#include "platform/FreedesktopTrash.h"
#include "platform/XdgBaseFolders.h"

#include <array>

namespace {

constexpr std::array Categories{RemnantCategory::configuration, RemnantCategory::applicationData,
                                RemnantCategory::cache,         RemnantCategory::state,
                                RemnantCategory::flatpakData,   RemnantCategory::snapData,
                                RemnantCategory::autostart,     RemnantCategory::userServices,
                                RemnantCategory::menuEntries,   RemnantCategory::dotFolders};

} // namespace

LinuxProfile::LinuxProfile(std::shared_ptr<const Platform> platform)
    : m_platform(std::move(platform))
{}

std::span<const RemnantCategory> LinuxProfile::categories() const
{
    return Categories;
}

std::vector<ScanLocation> LinuxProfile::scanLocations() const
{
    return LinuxLocations::scanLocations(*m_platform);
}

std::optional<LocationRefusal> LinuxProfile::refusal(const ScanLocation &location) const
{
    return LinuxLocations::refusal(location, *m_platform);
}

std::vector<ScanWarning> LinuxProfile::locationWarnings() const
{
    XdgBaseFolders folders = XdgBaseFolders::of(m_platform->homeDirectory());
    std::vector<ScanWarning> warnings;
    for (XdgBaseFolders::PassedOver &passedOver : folders.passedOver)
        warnings.push_back({std::move(passedOver)});
    return warnings;
}

bool LinuxProfile::isCandidate(const ScanLocation &location, const QString &name, bool isDirectory) const
{
    return LinuxLocations::isCandidate(location, name, isDirectory);
}

std::shared_ptr<const OwnerResolver> LinuxProfile::prepareResolver(const std::atomic<bool> *cancelled) const
{
    LinuxInventory inventory = LinuxInventory::build(*m_platform, cancelled);
    if (cancelled && cancelled->load())
        return nullptr;
    DiagnosticLog::write(QStringLiteral("📊 %1 names of installed software found").arg(inventory.size()));
    return std::make_shared<LinuxOwnerResolver>(std::move(inventory), *m_platform);
}

RemnantRisk LinuxProfile::orphanRisk(RemnantCategory category) const
{
    return LinuxOwnerIdentifier::orphanRisk(category);
}

std::vector<Profile::ProtectedPath> LinuxProfile::protectedPaths() const
{
    const std::filesystem::path home = m_platform->homeDirectory();
    return {{home, ProtectedPlace::homeFolder},
            {m_platform->systemPath("/"), ProtectedPlace::rootFolder},
            {FreedesktopTrash::ofHome(home).folder(), ProtectedPlace::homeTrash}};
}

std::optional<Profile::AccessProblem> LinuxProfile::accessProblem() const
{
    // A Linux home must be a folder that can be listed.
    const std::filesystem::path home = m_platform->homeDirectory();
    if (m_platform->resolvedPath(home) == std::filesystem::path("/"))
        return AccessProblem{AccessProblem::Kind::rootAsHome, home};
    if (m_platform->listDirectory(home, Platform::Hidden::Include))
        return std::nullopt;
    return AccessProblem{AccessProblem::Kind::unreadableFolder, home};
}
