// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <string>
#include <sys/types.h>
#include <vector>

// leftscan-cli run as a real process: the program named by LEFTSCAN_CLI, standard input from /dev/null.

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

struct CliOptions {
    std::string workingDirectory{};
    // Where standard output goes instead of being kept, such as /dev/full.
    std::string standardOutput{};
    // NAME=VALUE pairs added to the environment, in place of inherited ones of the same names.
    std::vector<std::string> environment{};
    // Names of variables taken out of it.
    std::vector<std::string> removedEnvironment{};
};

using Arguments = std::vector<std::string>;

inline Arguments operator+(Arguments left, const Arguments &right)
{
    left.insert(left.end(), right.begin(), right.end());
    return left;
}

// Starts the program with arguments of exact bytes and the given descriptors for standard output and error; the
// process id, or -1.
pid_t startCli(const std::vector<std::string> &arguments, const CliOptions &options, int out, int err);
// Runs it to its end and gives its exit status (-1 when it did not exit) and what it wrote.
CliResult runCli(const std::vector<std::string> &arguments, const CliOptions &options = {});
