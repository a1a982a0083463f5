// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <filesystem>
#include <optional>

// The Trash that the system's own file manager shows, where the system keeps one of its own (the Mac's), reached
// through the system's call that moves an item there and tells where it went. Elsewhere there is none, and the
// freedesktop Trash serves.
class SystemTrash {
public:
    struct Moved {
        // Where the item went; absent when it did not.
        std::optional<std::filesystem::path> resultingPath;
        // The system's description of why it did not.
        QString problem;
    };

    virtual ~SystemTrash() = default;
    // Moves the item at `path` (a symbolic link itself) to the Trash under a name the system chooses.
    virtual Moved moveToTrash(const std::filesystem::path &path) const = 0;

    // The system's own; null where it has none.
    static const SystemTrash *ofSystem();
};
