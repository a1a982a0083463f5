// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/InvokingUser.h"

#include <sys/stat.h>
#include <unistd.h>

std::optional<InvokingUser> InvokingUser::find()
{
    // The password prompt of an AppleScript run with administrator privileges gives the program it starts root's
    // effective user and keeps the real user of the one who asked where the system does so; otherwise the prompt ran
    // for whoever sits at the console, which owns /dev/console.
    uid_t uid = getuid();
    if (uid == 0) {
        struct stat console {};
        if (stat("/dev/console", &console) != 0)
            return std::nullopt;
        uid = console.st_uid;
    }
    if (uid == 0)
        return std::nullopt;
    return ofUid(uid);
}
