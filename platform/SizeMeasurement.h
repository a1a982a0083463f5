// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ContentCensus.h"

#include <QtGlobal>
#include <vector>

// What one entry takes on disk: the blocks allocated to it and to everything inside it, each file counted once
// however many names it has there, and how many files it holds. Folders that could not be read are passed over
// and counted, so a figure with unreadable folders is a lower bound. The census of the user's files inside comes
// from the same walk.
struct SizeMeasurement {
    // A file that also has names outside the entry, where another entry may count it too.
    struct SharedFile {
        quint64 device = 0;
        quint64 inode = 0;
        qint64 bytesOnDisk = 0;
    };

    qint64 bytesOnDisk = 0;
    qint64 fileCount = 0;
    int unreadableFolders = 0;
    std::vector<SharedFile> sharedFiles;
    ContentCensus census;

    bool isPartial() const { return unreadableFolders > 0; }
};
