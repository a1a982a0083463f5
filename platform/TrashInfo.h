// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The restore information that a freedesktop Trash keeps for one item in info/NAME.trashinfo: where the item came
// from, as exact bytes (percent-encoded in the file), and when it was trashed.
struct TrashInfo {
    // Absolute, or relative to the folder that holds the Trash folder (the top of a file system for its own Trash).
    std::string path;
    // Local time as "YYYY-MM-DDThh:mm:ss".
    std::string deletionDate;

    // The text of an info file.
    std::string text() const;
    // The deletion date, absent when it is not in the recorded form.
    std::optional<QDateTime> deletedAt() const;
    // The original path, with a relative one taken from `base`; absent for a relative path that climbs out of
    // `base` with "..", or a path without a name at its end.
    std::optional<std::filesystem::path> originalPath(const std::filesystem::path &base) const;

    // The [Trash Info] group of an info file's text; absent without one or without a Path that decodes.
    static std::optional<TrashInfo> parse(std::string_view text);
    // Reads and parses the info file `name` of the folder that `folder` refers to, never through a symbolic link.
    static std::optional<TrashInfo> read(int folder, const std::string &name);
};
