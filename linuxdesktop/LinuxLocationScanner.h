#pragma once

#include "scanner/LocationScanner.h"

class LinuxOwnerIdentifier;

// Lists one folder of a Linux home like LocationScanner lists a Library folder: every entry that is not the
// desktop's own becomes a classified record, handed over in batches. A folder that is a symbolic link or
// resolves outside the home is not listed, only warned about.
class LinuxLocationScanner {
public:
    static LocationScanner::Result scanLocation(const ScanLocation &location, const Platform &platform,
                                                const LinuxOwnerIdentifier &identifier, int staleThresholdDays,
                                                const LocationScanner::ScanProgressHandler &progress,
                                                const LocationScanner::ScanBatchHandler &batch,
                                                QThread *recordThread = nullptr,
                                                const std::atomic<bool> *cancelled = nullptr);
    // Why the location's folder must not be listed, in words that follow "FOLDER was not scanned: ": it is a
    // symbolic link, or resolves to the home or outside it. Absent when it may be listed, and when nothing is there.
    static std::optional<QString> refusal(const ScanLocation &location, const Platform &platform);
    // Whether an entry of the location is one to list at all: the desktop's own names never are, the entry
    // folders hold only their entry files, and of the home only the dot-folders count.
    static bool isCandidate(const ScanLocation &location, const QString &name, bool isDirectory);
};
