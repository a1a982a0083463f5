// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <filesystem>
#include <optional>

// The tag names of a file, kept in an extended attribute of the item itself: on the Mac the Finder tags, on
// Linux the desktop's user.xdg.tags. A symbolic link is never followed, so tagging a link never tags its target.
class FileTags {
public:
    // The colour tags, in the order of Finder's colour numbers 1 to 7.
    static constexpr std::array<const char *, 7> ColourNames = {"Gray",   "Green", "Purple", "Blue",
                                                                "Yellow", "Red",   "Orange"};

    // Gives the item the tags `names` in place of its colour tags (Red, Orange, Yellow, Green, Blue, Purple and
    // Gray); its other tags stay, in their order, ahead of the new ones. An empty list removes its colour tags.
    // Returns an error description on failure, nothing on success.
    static std::optional<QString> setTags(const std::filesystem::path &path, const QStringList &names);
    // The item's tag names; empty when it has none or they cannot be read.
    static QStringList tags(const std::filesystem::path &path);
};
