// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StartupOptions.h"

#include "platform/FolderArguments.h"
#include "platform/PathNames.h"

namespace fs = std::filesystem;

QString StartupOptions::usage()
{
    return tr("usage: leftscan [--root DIR] [--home DIR] [--profile mac|linux] [--demo | --demo-linux]\n"
              "       leftscan --help | --version\n"
              "\n"
              "  --root DIR    the folder that stands for \"/\" of the system to scan (default /)\n"
              "  --home DIR    the user's home folder on this machine (default: your home)\n"
              "  --demo        open the window on a generated demonstration Mac, ready to scan\n"
              "  --demo-linux  open the window on a generated demonstration Linux desktop, ready to scan\n"
              "  --profile P   mac: a Mac's Library folders; linux: a Linux desktop's home, its .config,\n"
              "                .local/share, .cache, .local/state, dot-files and dot-folders (default:\n"
              "                mac when the home has a Library folder, else linux)\n"
              "  --help        this text\n"
              "  --version     the program's name and version\n"
              "\n"
              "See leftscan(1), and leftscan-cli(1) for the command line.\n");
}

QString StartupOptions::versionLine()
{
    return QStringLiteral("leftscan " LEFTSCAN_VERSION "\n");
}

std::optional<StartupOptions> StartupOptions::parse(const std::vector<std::string> &arguments, QString &error)
{
    StartupOptions options;
    bool homeGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string argument = arguments[i];
        std::optional<std::string> value;
        if (const auto equals = argument.find('='); argument.starts_with("--") && equals != std::string::npos) {
            value = argument.substr(equals + 1);
            argument.resize(equals);
        }
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "--demo") {
            options.demo = true;
        } else if (argument == "--demo-linux") {
            options.demoLinux = true;
        } else if (argument == "--profile") {
            if (!value && i + 1 < arguments.size())
                value = arguments[++i];
            options.profile = value ? scanProfileNamed(QString::fromStdString(*value)) : std::nullopt;
            if (!options.profile) {
                error = tr("option --profile needs mac or linux");
                return std::nullopt;
            }
        } else if (argument == "--root" || argument == "--home") {
            if (!value && i + 1 < arguments.size())
                value = arguments[++i];
            if (!value) {
                error = tr("option %1 needs a value").arg(QString::fromStdString(argument));
                return std::nullopt;
            }
            (argument == "--root" ? options.root : options.home) = fs::path(*value);
            homeGiven = homeGiven || argument == "--home";
        } else if (argument.starts_with("-")) {
            error = tr("unknown option %1").arg(QString::fromLocal8Bit(argument.c_str()));
            return std::nullopt;
        } else {
            error = tr("unexpected argument %1").arg(QString::fromLocal8Bit(argument.c_str()));
            return std::nullopt;
        }
    }
    if (options.help || options.version || options.demo || options.demoLinux)
        return options;
    if (!homeGiven)
        options.home = FolderArguments::defaultHome();
    for (fs::path *folder : {&options.root, &options.home}) {
        const std::optional<fs::path> resolved = FolderArguments::resolve(*folder, error);
        if (!resolved)
            return std::nullopt;
        *folder = *resolved;
    }
    if (FolderArguments::isFileSystemRoot(options.home)) {
        error = tr("the home folder cannot be the root folder (%1)").arg(PathNames::text(options.home));
        return std::nullopt;
    }
    return options;
}
