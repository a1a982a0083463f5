// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/SystemTrash.h"

#include <functional>

// The Mac's own Trash as the tests stand it in: the system's call renames the item at the path it is given into a
// folder that stands for the Trash, under its own name or a numbered one where that is taken, and tells where it
// went. `beforeMove`, when set, runs first, as somebody racing the program would.
class StandInSystemTrash : public SystemTrash {
public:
    explicit StandInSystemTrash(std::filesystem::path folder);

    Moved moveToTrash(const std::filesystem::path &path) const override;

    std::function<void()> beforeMove;

private:
    std::filesystem::path m_folder;
};
