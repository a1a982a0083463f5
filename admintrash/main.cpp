// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// leftscan-admin-trash: the moves to the Trash that need administrator rights. Leftscan starts it through the
// system's password prompt with the arguments that AdministratorCommand builds; it reports each failure on standard
// error.
#include "platform/AdministratorCommand.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    std::string errors;
    const int status = AdministratorCommand::runHelper(std::vector<std::string>(argv + 1, argv + argc), errors);
    std::fputs(errors.c_str(), stderr);
    return status;
}
