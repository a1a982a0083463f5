// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/InvokingUser.h"

#include <cerrno>
#include <cstdlib>

std::optional<InvokingUser> InvokingUser::find()
{
    // pkexec sets PKEXEC_UID to the user that started it, whatever that user passed on.
    const char *text = std::getenv("PKEXEC_UID");
    if (!text || *text < '0' || *text > '9')
        return std::nullopt;
    char *end = nullptr;
    errno = 0;
    const unsigned long long uid = std::strtoull(text, &end, 10);
    if (errno != 0 || *end != '\0' || uid == 0 || uid != static_cast<uid_t>(uid))
        return std::nullopt;
    return ofUid(static_cast<uid_t>(uid));
}
