// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SystemTrash.h"

const SystemTrash *SystemTrash::ofSystem()
{
    // The desktops of Linux share the freedesktop Trash, which the program keeps itself.
    return nullptr;
}
