// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/InvokingUser.h"

#include <filesystem>
#include <string>
#include <vector>

// What the administrator's helper does with the arguments that AdministratorCommand builds, for the user the system's
// password prompt ran for. It trusts the arguments no further than it checks them itself: every item must lie
// directly in a scan location of that user's home (or of the system's Library folders), reached without ".." and
// without any symbolic link, and must not be or hold a folder a scan protects; the Trash must be that user's; in a
// freedesktop Trash the place reserved for the item must be the one made for this very item as that user, and in the
// Mac's, which keeps nothing to reserve a place with, the name must be free. Each move stands on its own, so that one
// that fails stops none after it, with a line on each failure in `errors`.
class AdministratorHelper {
public:
    // The helper's exit status: 0 when every item moved, 1 when some did not, 2 for arguments that name no moves.
    // `root` is the folder that stands for "/" of the system whose Library folders count.
    static int run(const std::vector<std::string> &arguments, const InvokingUser &user, std::string &errors,
                   const std::filesystem::path &root = "/");
};
