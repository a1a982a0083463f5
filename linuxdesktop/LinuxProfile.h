// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scanner/Profile.h"

#include <QCoreApplication>

// A Linux desktop's home: its settings, data, cache and state folders, Flatpak and snap data, autostart entries,
// user services, menu entries and dot-folders, against the software installed on the system.
class LinuxProfile : public Profile {
public:
    explicit LinuxProfile(std::shared_ptr<const Platform> platform);

    ScanProfile name() const override { return ScanProfile::linuxDesktop; }
    std::span<const RemnantCategory> categories() const override;
    std::vector<ScanLocation> scanLocations() const override;
    std::optional<LocationRefusal> refusal(const ScanLocation &location) const override;
    std::vector<ScanWarning> locationWarnings() const override;
    Platform::Hidden hiddenEntries() const override { return Platform::Hidden::Include; }
    bool isCandidate(const ScanLocation &location, const QString &name, bool isDirectory) const override;

    std::shared_ptr<const OwnerResolver> prepareResolver(const std::atomic<bool> *cancelled) const override;
    UseRules useRules() const override { return {false, false}; }
    RemnantRisk orphanRisk(RemnantCategory category) const override;
    void clearIdentificationCache() const override {}

    std::vector<ProtectedPath> protectedPaths() const override;
    void touchProtectedData() const override {}
    std::optional<AccessProblem> accessProblem() const override;

private:
    std::shared_ptr<const Platform> m_platform;
};
