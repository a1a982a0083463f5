// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SystemPrograms.h"

#include "platform/AdministratorCommand.h"

#include <climits>
#include <sys/stat.h>
#include <unistd.h>

bool SystemPrograms::isMacOS()
{
    return false;
}

std::vector<std::string> SystemPrograms::automationProbe()
{
    // Linux has no control over which programs may drive others.
    return {};
}

std::vector<std::string> SystemPrograms::administratorCommand(const std::vector<std::string> &arguments)
{
    // pkexec asks through the desktop's authentication agent and passes the arguments on as they are.
    std::vector<std::string> command{"pkexec"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return command;
}

std::filesystem::path SystemPrograms::administratorHelper()
{
    char program[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", program, sizeof program);
    if (length <= 0 || std::size_t(length) >= sizeof program)
        return AdministratorCommand::HelperName;
    const std::filesystem::path folder = std::filesystem::path(std::string(program, std::size_t(length))).parent_path();
    const std::filesystem::path beside = folder / AdministratorCommand::HelperName;
    const std::filesystem::path installed =
        folder.parent_path() / "libexec" / "leftscan" / AdministratorCommand::HelperName;
    struct stat status {};
    if (::stat(beside.c_str(), &status) != 0 && ::stat(installed.c_str(), &status) == 0)
        return installed;
    return beside;
}
