// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scanner/Profile.h"

#include <QCoreApplication>

class AppIdentifierService;

// The Library folders of a Mac, on macOS, on a Mac volume or backup, or in a test tree, against the applications
// installed there.
class MacProfile : public Profile {
public:
    explicit MacProfile(std::shared_ptr<const Platform> platform);
    ~MacProfile() override;

    ScanProfile name() const override { return ScanProfile::mac; }
    std::span<const RemnantCategory> categories() const override;
    std::vector<ScanLocation> scanLocations() const override;
    std::optional<LocationRefusal> refusal(const ScanLocation &location) const override;
    Platform::Hidden hiddenEntries() const override { return Platform::Hidden::Skip; }
    bool isCandidate(const ScanLocation &location, const QString &name, bool isDirectory) const override;

    std::shared_ptr<const OwnerResolver> prepareResolver(const std::atomic<bool> *cancelled) const override;
    UseRules useRules() const override { return {true, true}; }
    RemnantRisk orphanRisk(RemnantCategory) const override { return RemnantRisk::review; }
    void clearIdentificationCache() const override;

    std::vector<ProtectedPath> protectedPaths() const override;
    void touchProtectedData() const override;
    std::optional<AccessProblem> accessProblem() const override;

    // Whether a home is a Mac's, to be scanned with this profile when none is asked for: always on macOS, and
    // elsewhere when the home has a Library entry, whatever it is (the profile tells what is wrong with it).
    static bool suits(const std::filesystem::path &home);

    // The ten Library folders of every scan, in the order they are scanned.
    static std::vector<ScanLocation> libraryLocations(const Platform &platform);

private:
    std::shared_ptr<const Platform> m_platform;
    // Kept across scans, with its cache of answers.
    std::shared_ptr<AppIdentifierService> m_identifierService;
};
