// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CliRun.h"

#include "TempTree.h"

#include <algorithm>
#include <fcntl.h>
#include <spawn.h>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

pid_t startCli(const std::vector<std::string> &arguments, const CliOptions &options, int out, int err)
{
    static const std::string program = qgetenv("LEFTSCAN_CLI").toStdString();
    std::vector<char *> argv{const_cast<char *>(program.c_str())};
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    std::vector<char *> envp;
    for (char **variable = environ; *variable; ++variable) {
        const std::string_view entry(*variable);
        const auto named = [&entry](std::string_view name) {
            return entry.starts_with(name) && entry.size() > name.size() && entry[name.size()] == '=';
        };
        // A variable given anew replaces the inherited one, which would otherwise come first and win.
        const bool removed = std::ranges::any_of(options.removedEnvironment, named) ||
                             std::ranges::any_of(options.environment, [&named](const std::string &variable) {
                                 return named(std::string_view(variable).substr(0, variable.find('=')));
                             });
        if (!removed)
            envp.push_back(*variable);
    }
    for (const std::string &variable : options.environment)
        envp.push_back(const_cast<char *>(variable.c_str()));
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err, STDERR_FILENO);
    if (!options.workingDirectory.empty())
        posix_spawn_file_actions_addchdir_np(&actions, options.workingDirectory.c_str());
    pid_t child = -1;
    if (posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0)
        child = -1;
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

CliResult runCli(const std::vector<std::string> &arguments, const CliOptions &options)
{
    const TempTree capture;
    const std::string outPath = options.standardOutput.empty() ? capture.path("out").native() : options.standardOutput;
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const int err = open(capture.path("err").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const pid_t child = startCli(arguments, options, out, err);
    close(out);
    close(err);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return {};
    const auto contents = [&](const char *name) {
        return QByteArray::fromStdString(TempTree::readFile(capture.path(name)));
    };
    return CliResult{WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                     options.standardOutput.empty() ? contents("out") : QByteArray(), contents("err")};
}
