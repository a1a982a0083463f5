// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The administrator's helper as the tests start it: no password prompt can appear in a test, so the user it runs for
// is the owner of the home that LEFTSCAN_TEST_HOME names instead of the one the prompt tells, and the system's
// Library folders are those below LEFTSCAN_TEST_ROOT, where one is given. Everything else is the helper's own.
#include "admintrash/AdministratorHelper.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <vector>

int main(int argc, char **argv)
{
    const char *home = std::getenv("LEFTSCAN_TEST_HOME");
    struct stat info {};
    if (!home || lstat(home, &info) != 0) {
        std::fputs("the stand-in needs LEFTSCAN_TEST_HOME\n", stderr);
        return 2;
    }
    for (const char *variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        unsetenv(variable);
    std::string errors;
    const InvokingUser user{info.st_uid, info.st_gid, home};
    const char *root = std::getenv("LEFTSCAN_TEST_ROOT");
    const int status =
        AdministratorHelper::run(std::vector<std::string>(argv + 1, argv + argc), user, errors, root ? root : "/");
    std::fputs(errors.c_str(), stderr);
    return status;
}
