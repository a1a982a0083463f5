// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "identification/OwnerIdentification.h"
#include "linuxdesktop/AttributionReason.h"
#include "linuxdesktop/LinuxInventory.h"
#include "linuxdesktop/NameCandidates.h"
#include "model/RemnantCategory.h"
#include "model/RemnantRisk.h"

#include <filesystem>

class Platform;

// Attributes an entry of a Linux home to the installed software it belongs to, strongest evidence first: a
// Flatpak data folder against the installed application IDs; an autostart entry, menu entry or user service by
// the program it runs, past the shells, interpreters and wrappers that run it (see CommandTarget); a file that a
// library or a shared tool reads, by the catalogue; the names the entry's name stands for (NameCandidates) against
// the inventory's names, then against the projects its packages are named after; the catalogue of well-known
// applications. A name belongs to a program only through what runs as that program or serves it: a library or
// data package that shares the name does not make it installed. A single word of a longer name proves nothing; it
// is told as a look-alike.
class LinuxOwnerIdentifier {
public:
    struct Attribution {
        OwnerIdentification owner;
        // Which of the rules about libraries, shared files and words decided, when one did.
        std::optional<AttributionReason> reason{};
    };

    LinuxOwnerIdentifier(LinuxInventory inventory, const Platform &platform);

    Attribution identifyOwner(const QString &name, const std::filesystem::path &url, RemnantCategory category) const;
    // Installed software whose names one of the names the entry's name stands for, strong or weak, also matches,
    // sorted; for an orphan that may yet be an installed application's.
    QStringList lookalikes(const QString &name) const;
    // Whether the entry is a desktop component's, by a pattern of DesktopNames, and no installed or catalogued
    // application has its name.
    bool isDesktopComponent(const QString &name) const;
    // How much care an entry whose owner is gone needs: a cache is safe to remove, settings and the entries
    // that start programs need a look, an application's own data needs review.
    static RemnantRisk orphanRisk(RemnantCategory category);

    const LinuxInventory &inventory() const { return m_inventory; }

private:
    struct KnownApp {
        Attribution attribution;
        // A library's or a shared tool's file, by a row that names its documentation.
        bool documented = false;
    };

    std::optional<Attribution> flatpakData(const QString &name) const;
    std::optional<Attribution> launchedProgram(const QString &name, const std::filesystem::path &url,
                                               RemnantCategory category) const;
    std::optional<Attribution> matchingName(const QString &name,
                                            const std::vector<NameCandidates::Candidate> &candidates,
                                            std::optional<AttributionReason> &library) const;
    std::optional<Attribution> removedProgram(const QString &candidate, const LinuxInventory::Match &match) const;
    std::optional<KnownApp> knownApp(const QString &name,
                                     const std::vector<NameCandidates::Candidate> &candidates) const;
    Attribution orphan(const std::vector<NameCandidates::Candidate> &candidates,
                       const std::optional<AttributionReason> &library) const;
    // What is a library of a match: nothing for an owner that runs as the name or is no package.
    LibraryCue libraryCue(const LinuxInventory::Match &match) const;
    // The owner of whose name one word or the start matched, as a look-alike.
    std::optional<std::pair<AttributionReason, LinuxInventory::Match>>
    lookalikeWord(const std::vector<NameCandidates::Candidate> &candidates) const;

    LinuxInventory m_inventory;
    const Platform &m_platform;
};
