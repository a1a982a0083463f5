#pragma once

#include "model/RemnantItem.h"
#include "scanner/ScanLocation.h"

#include <atomic>
#include <functional>
#include <vector>

class AppIdentifierService;
class OwnerIdentifier;
class Platform;
class QThread;

// Lists one scan location and turns every entry that is not the system's into a classified leftover record,
// handing the records over in batches while it goes.
class LocationScanner {
public:
    using ScanProgressHandler = std::function<void(int processed, int total)>;
    using ScanBatchHandler = std::function<void(const std::vector<RemnantItemPtr> &records)>;

    static constexpr int BatchSize = 50;
    static constexpr int ProgressInterval = 25;

    // Returns the records not yet handed to the batch handler. The records are given to `recordThread`
    // (for instance the thread of the window that shows them) when one is named. Once `cancelled` is set, the
    // listing stops before its next entry.
    static std::vector<RemnantItemPtr> scanLocation(const ScanLocation &location, const Platform &platform,
                                                    const OwnerIdentifier &identifier, AppIdentifierService &service,
                                                    int staleThresholdDays, const ScanProgressHandler &progress,
                                                    const ScanBatchHandler &batch, QThread *recordThread = nullptr,
                                                    const std::atomic<bool> *cancelled = nullptr);
};
