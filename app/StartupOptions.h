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

// leftscan [--root DIR] [--home DIR] [--demo] [--demo-linux] [--profile mac|linux], or --help or --version. Paths
// keep the exact bytes they were given with.
struct StartupOptions {
    Q_DECLARE_TR_FUNCTIONS(StartupOptions)

public:
    std::filesystem::path root = "/";
    std::filesystem::path home;
    bool demo = false;
    bool demoLinux = false;
    // The profile given; without it, chosen from the home.
    std::optional<ScanProfile> profile;
    bool help = false;
    bool version = false;

    // On failure returns nothing and sets `error` to a one-line message.
    static std::optional<StartupOptions> parse(const std::vector<std::string> &arguments, QString &error);
    static QString usage();
    // "leftscan 1.2.3", the answer to --version.
    static QString versionLine();
};
