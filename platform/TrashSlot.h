// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>

// A free name in the user's Trash, reserved for one item: where the item goes, and the restore information
// written for it beforehand (empty where the Trash keeps none).
struct TrashSlot {
    std::filesystem::path destination;
    std::filesystem::path restoreInfo;
};
