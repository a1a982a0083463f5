// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/ScanWarning.h"

#include "model/RemnantItem.h"
#include "scanner/ScanLocation.h"

#include <QString>
#include <atomic>
#include <functional>
#include <optional>
#include <vector>

class OwnerResolver;
class Platform;
class Profile;
class QThread;

// Lists one scan location and turns every entry that the profile counts into a classified leftover record, handing
// the records over in batches while it goes. A location folder that must not be listed (see Profile::refusal) or
// that cannot be listed gives no records, only a warning.
class LocationScanner {
public:
    using ScanProgressHandler = std::function<void(int processed, int total)>;
    using ScanBatchHandler = std::function<void(const std::vector<RemnantItemPtr> &records)>;

    struct Result {
        // The records not yet handed to the batch handler.
        std::vector<RemnantItemPtr> rest;
        // Why the folder was not listed, as one line naming it; absent when it was listed or is not there.
        std::optional<ScanWarning> warning;
    };

    static constexpr int BatchSize = 50;
    static constexpr int ProgressInterval = 25;

    // Entries are read and identified this many at a time, on several threads, and then turned into records and
    // handed over in their listing order, so the records, their order and the log are the same for any number of
    // threads.
    static constexpr int ChunkSize = 200;

    // Once `cancelled` is set, the listing stops before its next entry. `workers` threads identify the
    // entries; 0 means one per processor.
    static Result scanLocation(const ScanLocation &location, const Platform &platform, const Profile &profile,
                               const OwnerResolver &resolver, int staleThresholdDays,
                               const ScanProgressHandler &progress, const ScanBatchHandler &batch,
                               const std::atomic<bool> *cancelled = nullptr, int workers = 0);
};
