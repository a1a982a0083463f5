// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/UserFileKind.h"

#include <QtGlobal>
#include <array>
#include <optional>
#include <string>
#include <vector>

// What an entry holds of the user's own files, counted by kind, and when anything inside it last changed. Taken
// in the same walk that measures the entry's size.
struct ContentCensus {
    // At most this many example paths are kept.
    static constexpr std::size_t SampleSize = 3;

    std::array<qint64, UserFileKindCount> counts{};
    // Up to SampleSize paths of the files counted, relative to the entry (the entry's own name for a file): the
    // first in the order of the kinds, then of the paths' bytes, so that the same tree always gives the same ones.
    std::vector<std::string> sample;
    // The newest modification time of anything inside a folder, or of a file entry itself, in milliseconds since
    // the epoch; absent for an empty or unreadable folder.
    std::optional<qint64> newestInside;

    qint64 count(UserFileKind kind) const { return counts[std::size_t(kind)]; }
    bool holdsUserFiles() const
    {
        for (const qint64 count : counts) {
            if (count > 0)
                return true;
        }
        return false;
    }
    bool operator==(const ContentCensus &) const = default;
};
