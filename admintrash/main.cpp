// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// leftscan-admin-trash: the moves to the Trash that need administrator rights. Leftscan starts it through the
// system's password prompt with the arguments that AdministratorCommand builds; it reports each failure on standard
// error.
#include "admintrash/AdministratorHelper.h"
#include "platform/AdministratorCommand.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    // Nothing of the environment may move the folders it checks.
    for (const char *variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        unsetenv(variable);
    const auto user = InvokingUser::find();
    if (!user) {
        std::fprintf(stderr, "%s: the system does not tell which user asked for the move\n",
                     AdministratorCommand::HelperName);
        return 2;
    }
    std::string errors;
    const int status = AdministratorHelper::run(std::vector<std::string>(argv + 1, argv + argc), *user, errors);
    std::fputs(errors.c_str(), stderr);
    return status;
}
