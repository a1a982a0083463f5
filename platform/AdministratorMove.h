// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/TrashSlot.h"

#include <filesystem>

// One item for the administrator's move to the Trash: its path, the resolved path of the folder that holds it, and
// the free name reserved for it in the user's Trash.
struct AdministratorMove {
    std::filesystem::path item;
    std::filesystem::path folder;
    TrashSlot slot;
};
