// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SystemPrograms.h"

#include "platform/AdministratorCommand.h"

#include <cstdint>
#include <cstdlib>
#include <mach-o/dyld.h>
#include <sys/stat.h>

bool SystemPrograms::isMacOS()
{
    return true;
}

std::vector<std::string> SystemPrograms::automationProbe()
{
    return {"/usr/bin/osascript", "-e", "tell application \"System Events\" to get name of first process"};
}

std::vector<std::string> SystemPrograms::administratorCommand(const std::vector<std::string> &arguments)
{
    const QByteArray script = AdministratorCommand::appleScriptSource(AdministratorCommand::shellCommand(arguments));
    return {"/usr/bin/osascript", "-e", script.toStdString()};
}

std::filesystem::path SystemPrograms::administratorHelper()
{
    std::uint32_t size = 0;
    _NSGetExecutablePath(nullptr, &size);
    std::string program(size, '\0');
    if (size == 0 || _NSGetExecutablePath(program.data(), &size) != 0)
        return AdministratorCommand::HelperName;
    program.resize(program.find('\0') == std::string::npos ? program.size() : program.find('\0'));
    char *resolved = realpath(program.c_str(), nullptr);
    if (!resolved)
        return AdministratorCommand::HelperName;
    const std::filesystem::path folder = std::filesystem::path(resolved).parent_path();
    std::free(resolved);
    // In the application bundle the helper lies in Contents/Helpers, or beside the program in Contents/MacOS; the
    // command line finds it beside itself.
    const std::filesystem::path helpers = folder.parent_path() / "Helpers" / AdministratorCommand::HelperName;
    struct stat status {};
    if (folder.filename() == "MacOS" && ::stat(helpers.c_str(), &status) == 0)
        return helpers;
    return folder / AdministratorCommand::HelperName;
}
