// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <filesystem>
#include <optional>

// Reads a small file without leaving a new access date on it: opened with O_NOATIME where the file is the
// caller's, else its old access date is put back after reading. Only a regular file is ever opened, never a
// device, a pipe or a socket, since opening some of those does something by itself; a symbolic link is followed
// by name, without opening what it leads to before its kind is known.
class UntouchedFile {
public:
    // Absent when the file cannot be opened, is not a regular file or is larger than `maximumSize`.
    static std::optional<QByteArray> read(const std::filesystem::path &path, qint64 maximumSize);
};
