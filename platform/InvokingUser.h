// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <optional>
#include <sys/types.h>

// The user for whom the administrator's helper runs, found from what the system's password prompt tells the program
// it starts, never from the program's arguments: pkexec's PKEXEC_UID elsewhere; on the Mac, the user the prompt ran
// for. Their home comes from the system's user database.
struct InvokingUser {
    uid_t uid = 0;
    gid_t group = 0;
    std::filesystem::path home;

    // Absent when the system does not tell, or the user is root or unknown.
    static std::optional<InvokingUser> find();
    // The user `uid` with the home and group that the user database gives; absent for an unknown user.
    static std::optional<InvokingUser> ofUid(uid_t uid);
};
