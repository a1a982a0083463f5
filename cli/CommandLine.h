// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/ScanProfile.h"

#include <QCoreApplication>
#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The parsed command line of leftscan-cli. Paths keep the exact bytes they were given with.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    std::string command;
    std::filesystem::path root = "/";
    std::filesystem::path home;
    QString format;
    int thresholdDays = 365;
    bool demo = false;
    bool demoLinux = false;
    // The profile given with --profile; without it, chosen from the home.
    std::optional<ScanProfile> profile;
    bool help = false;
    bool version = false;
    // The engine's diagnostic lines go to standard error; without it only warnings and errors do.
    bool verbose = false;
    // trash moves leftovers that may belong to an installed application too.
    bool force = false;
    // scan measures what each leftover takes on disk before it prints; --no-sizes leaves that out.
    bool sizes = true;
    // scan: where the time went, stage by stage, on standard error.
    bool timings = false;
    // Arguments after the command: the paths of trash and restore, the colour and paths of tag.
    std::vector<std::string> operands;

    // Parses argv; on failure returns nothing and sets `error` to a one-line message.
    static std::optional<CommandLine> parse(const std::vector<std::string> &arguments, QString &error);
    static QString usage();
    // "leftscan-cli 1.2.3", the answer to --version.
    static QString versionLine();
    // The profile the scan uses: the one given, the Linux one for --demo-linux, the Mac one for --demo, else the
    // one the home calls for.
    ScanProfile scanProfile() const;
    // A path operand as the scan's records and the Trash's restore information hold it: absolute and normal,
    // without a slash at its end.
    static std::filesystem::path normalisedPath(const std::string &given);
};
