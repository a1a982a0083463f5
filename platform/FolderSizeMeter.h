#pragma once

#include "platform/SizeMeasurement.h"

#include <atomic>
#include <filesystem>
#include <optional>

// Measures what an entry takes on disk by walking it: allocated blocks of every item, a symbolic link's own blocks
// but never its target's, a file with several names inside the entry once, nothing on another file system. The walk
// keeps one open folder per level, so its memory does not grow with the number of files, and leaves the access
// date of every folder it reads as it was.
class FolderSizeMeter {
public:
    explicit FolderSizeMeter(const std::atomic<bool> *cancelled = nullptr);
    virtual ~FolderSizeMeter() = default;
    FolderSizeMeter(const FolderSizeMeter &) = delete;
    FolderSizeMeter &operator=(const FolderSizeMeter &) = delete;

    // Absent only when cancelled; an entry that is gone measures as nothing.
    std::optional<SizeMeasurement> measure(const std::filesystem::path &entry);

    // Folders nested deeper than this below the entry are counted as unreadable rather than opened.
    static constexpr std::size_t MaximumDepth = 256;

protected:
    // Called just before a folder inside the entry is opened, with the open folder that holds it.
    virtual void enteringFolder(int parentFolder, const char *name);

private:
    const std::atomic<bool> *m_cancelled;
};
