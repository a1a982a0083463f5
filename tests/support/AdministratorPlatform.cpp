// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AdministratorPlatform.h"

#include <QByteArray>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

extern char **environ;

TrashOutcome AdministratorPlatform::moveToTrash(const std::filesystem::path &item,
                                                const std::filesystem::path &folder) const
{
    if (trashRefuses)
        return TrashOutcome{
            false, {}, QStringLiteral("Operation not permitted"), EPERM, QStringLiteral("Operation not permitted")};
    return PosixPlatform::moveToTrash(item, folder);
}

ScriptOutcome AdministratorPlatform::runAdministratorCommand(const std::vector<std::string> &arguments) const
{
    ++m_commandRuns;
    if (scriptedOutcome)
        return *scriptedOutcome;
    // The helper is built beside leftscan-cli, not beside the tests.
    std::vector<std::string> command = arguments;
    command.front() = (std::filesystem::path(qgetenv("LEFTSCAN_CLI").toStdString()).parent_path() /
                       std::filesystem::path(arguments.front()).filename())
                          .native();
    std::vector<char *> argv;
    for (std::string &argument : command)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    for (const std::filesystem::path &folder : grantedFolders)
        chmod(folder.c_str(), 0755);
    pid_t child = -1;
    int status = 0;
    const bool ran = posix_spawn(&child, argv.front(), nullptr, nullptr, argv.data(), environ) == 0 &&
                     waitpid(child, &status, 0) >= 0;
    for (const std::filesystem::path &folder : grantedFolders)
        chmod(folder.c_str(), 0555);
    if (!ran)
        return ScriptOutcome{false, std::nullopt, QStringLiteral("the helper did not run")};
    return ScriptOutcome{WIFEXITED(status) && WEXITSTATUS(status) == 0, std::nullopt, QString()};
}
