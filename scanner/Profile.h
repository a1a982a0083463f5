// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/RemnantCategory.h"
#include "model/RemnantRisk.h"
#include "model/ScanProfile.h"
#include "model/ScanWarning.h"
#include "platform/Platform.h"
#include "scanner/FailureReason.h"
#include "scanner/OwnerResolver.h"
#include "scanner/ScanLocation.h"

#include <QString>
#include <atomic>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <vector>

// What kind of home a scan looks at and how: its folders and their categories, which entries of them count, how
// their owners are found, what must never be moved, and what the scan must be allowed to read. A Mac's Library
// folders and a Linux desktop's home each have one; the program chooses one at its start, and the engine asks it
// rather than asking which it is.
class Profile {
public:
    // What keeps a scan from starting.
    struct AccessProblem {
        enum class Kind {
            privacyControl,   // the system's privacy control has not granted access to all files
            unreadableFolder, // the folder the scan starts from cannot be read
            rootAsHome,       // the home is the root folder, whose entries are the system's own
        };
        // Which folder it is.
        enum class Folder { home, library, privacyDatabase };
        Kind kind;
        std::filesystem::path folder;
        Folder role = Folder::home;
    };

    // An item that nothing may move or tag, nor anything that holds it.
    struct ProtectedPath {
        std::filesystem::path path;
        ProtectedPlace place;
    };

    virtual ~Profile() = default;

    // How the command lines name it.
    virtual ScanProfile name() const = 0;
    // The categories its scans find, in the order they are shown.
    virtual std::span<const RemnantCategory> categories() const = 0;

    // The folders a scan lists, in the order it lists them.
    virtual std::vector<ScanLocation> scanLocations() const = 0;
    // Why a location's folder must not be listed, in words that follow "FOLDER was not scanned: "; absent when it
    // may be listed, and when nothing is there.
    virtual std::optional<LocationRefusal> refusal(const ScanLocation &location) const = 0;
    // The folders that choosing the locations passed over, such as a base folder that the environment names but that
    // is not the home owner's alone; told once a scan starts listing.
    virtual std::vector<ScanWarning> locationWarnings() const { return {}; }
    // Whether hidden entries of the folders are listed at all.
    virtual Platform::Hidden hiddenEntries() const = 0;
    // Whether an entry of a location is one to classify: not the system's or the desktop's own. What no scan lists
    // in any profile, ListingRule adds.
    virtual bool isCandidate(const ScanLocation &location, const QString &name, bool isDirectory) const = 0;

    // Builds the inventory of installed software and what identification needs; absent once `cancelled` is set.
    virtual std::shared_ptr<const OwnerResolver> prepareResolver(const std::atomic<bool> *cancelled) const = 0;
    // What an entry's dates say of its use.
    struct UseRules {
        // An access counts as use. Where backups, indexers and disk-usage tools read the files as often as their
        // programs do, only changes count: the entry's own and, once measured, the newest inside it.
        bool accessTellsUse = true;
        // An entry whose owner was not found but that was used within the stale threshold is taken to be some
        // unknown program's, and reported stale. Where the inventory is complete enough, it stays an orphan, and
        // the guard of recently changed entries asks before it leaves.
        bool recentUseMeansOwned = true;
    };
    virtual UseRules useRules() const = 0;
    // How much care an entry whose owner is gone needs.
    virtual RemnantRisk orphanRisk(RemnantCategory category) const = 0;
    // Forgets what identification remembers across scans.
    virtual void clearIdentificationCache() const = 0;

    // The folders that nothing may move or tag, nor anything that holds them, besides the scan locations and the
    // installed software's own items.
    virtual std::vector<ProtectedPath> protectedPaths() const = 0;

    // Reaches once for what the system protects, so that it lists the program where access to it is granted.
    virtual void touchProtectedData() const = 0;
    // What keeps a scan from starting now; absent when it may start.
    virtual std::optional<AccessProblem> accessProblem() const = 0;
};
