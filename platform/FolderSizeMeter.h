// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/SizeMeasurement.h"

#include <atomic>
#include <filesystem>
#include <optional>

// Measures what an entry takes on disk by walking it: allocated blocks of every item, a symbolic link's own blocks
// but never its target's, a file with several names inside the entry once, nothing on another file system. The same
// walk takes the census of the user's files inside (ContentCensusTaker). It keeps one open folder per level, so its
// memory does not grow with the number of files, and leaves the access date of every folder and file it reads as it
// was.
class FolderSizeMeter {
public:
    enum class Census { take, skip };

    explicit FolderSizeMeter(const std::atomic<bool> *cancelled = nullptr, Census census = Census::take);
    virtual ~FolderSizeMeter() = default;
    FolderSizeMeter(const FolderSizeMeter &) = delete;
    FolderSizeMeter &operator=(const FolderSizeMeter &) = delete;

    // Absent only when cancelled; an entry that is gone measures as nothing. `disposable` when the entry holds what
    // programs make again at will (it is a cache or a log), so that only credentials in it count as the user's.
    std::optional<SizeMeasurement> measure(const std::filesystem::path &entry, bool disposable = false);

    // Folders nested deeper than this below the entry are counted as unreadable rather than opened.
    static constexpr std::size_t MaximumDepth = 256;

protected:
    // Called just before a folder inside the entry is opened, with the open folder that holds it.
    virtual void enteringFolder(int parentFolder, const char *name);

private:
    const std::atomic<bool> *m_cancelled;
    Census m_census;
};
