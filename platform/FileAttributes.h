// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <optional>

// What the file system tells about one entry, each value absent where it cannot be read. A folder has no
// size of its own: its size is the entry's, never the total of its contents.
struct FileAttributes {
    std::optional<qint64> fileSize;
    std::optional<qint64> totalFileSize;
    std::optional<QDateTime> modified;
    // Absent too where a scan could have changed it itself: on an entry of another user, which a process that is
    // neither its owner nor root can neither read nor list without a new access date, nor put the old one back.
    std::optional<QDateTime> accessed;
    std::optional<QDateTime> created;
};
