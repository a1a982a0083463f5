// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/TrashOutcome.h"

#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>

class TrustedFolder;

// The Trash of a Mac home, ~/.Trash, which Finder shows: items sit in it directly, under names of their own, with no
// restore information. This is where the administrator's moves go on a Mac; the system's own call serves the others.
class FinderTrash {
public:
    static constexpr const char *FolderName = ".Trash";

    explicit FinderTrash(std::filesystem::path home);

    const std::filesystem::path &home() const { return m_home; }
    std::filesystem::path folder() const { return m_home / FolderName; }

    // Where the item at `item` would go now: its own name in the Trash, or "name 2", "name 3"... when that is taken.
    // Absent when the Trash cannot be used or has no free name. Nothing holds the name: what takes it meanwhile makes
    // the move fail instead of being replaced.
    std::optional<std::filesystem::path> freePlace(const std::filesystem::path &item) const;
    // Moves the entry `name` of `from` to `trashName` in the Trash, which must be a real folder of the user `owner`
    // that nobody else may change (made for them when missing), and checks on disk that this very item arrived. Never
    // in the place of anything. For the administrator's helper.
    TrashOutcome moveToName(const TrustedFolder &from, const std::string &name, const std::string &trashName,
                            uid_t owner) const;

private:
    std::filesystem::path m_home;
};
