// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/InvokingUser.h"

#include <pwd.h>
#include <string>
#include <unistd.h>
#include <vector>

std::optional<InvokingUser> InvokingUser::ofUid(uid_t uid)
{
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(std::size_t(size > 0 ? size : 16384));
    passwd entry{};
    passwd *found = nullptr;
    if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) != 0 || !found || !found->pw_dir ||
        found->pw_dir[0] != '/')
        return std::nullopt;
    return InvokingUser{uid, found->pw_gid, std::filesystem::path(found->pw_dir)};
}
