// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"

#include "cli/TerminalText.h"
#include "mac/MacProfile.h"
#include "platform/FolderArguments.h"

#include <QStringList>
#include <charconv>

namespace fs = std::filesystem;

namespace {

QString text(const std::string &bytes)
{
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

// An argument in a message: its bytes, but for those that would steer the terminal.
QString shown(const std::string &bytes)
{
    return QString::fromUtf8(TerminalText::bytes(bytes));
}

struct CommandRules {
    const char *name;
    QStringList formats;
    bool scansFolders;
    std::size_t minimumOperands;
    // The threshold decides what a scan counts as used recently: what it shows, and what trash refuses.
    bool takesThreshold;
};

const CommandRules *rulesFor(const std::string &command)
{
    static const CommandRules rules[] = {
        {"inventory", {QStringLiteral("table"), QStringLiteral("json")}, true, 0, false},
        {"catalogue", {QStringLiteral("table"), QStringLiteral("json")}, false, 0, false},
        {"scan", {QStringLiteral("table"), QStringLiteral("json"), QStringLiteral("csv")}, true, 0, true},
        {"trash", {QStringLiteral("table")}, true, 1, true},
        {"tag", {QStringLiteral("table")}, true, 2, false},
        {"restore", {QStringLiteral("table")}, true, 1, false},
    };
    for (const CommandRules &rule : rules) {
        if (command == rule.name)
            return &rule;
    }
    return nullptr;
}

} // namespace

QString CommandLine::usage()
{
    return tr("usage: leftscan-cli scan [--root DIR] [--home DIR] [--profile mac|linux] [--threshold DAYS]\n"
              "                         [--format table|json|csv] [--demo | --demo-linux] [--no-sizes] [--timings]\n"
              "                         [--verbose]\n"
              "       leftscan-cli trash [--root DIR] [--home DIR] [--profile mac|linux] [--threshold DAYS] [--force]\n"
              "                          [--verbose] [--] PATH...\n"
              "       leftscan-cli tag [--root DIR] [--home DIR] [--profile mac|linux] [--verbose] [--] COLOR PATH...\n"
              "       leftscan-cli restore [--root DIR] [--home DIR] [--profile mac|linux] [--verbose] [--] PATH...\n"
              "       leftscan-cli inventory [--root DIR] [--home DIR] [--profile mac|linux] [--format table|json]\n"
              "                              [--verbose]\n"
              "       leftscan-cli catalogue [--format table|json] [--verbose]\n"
              "       leftscan-cli --help | --version\n"
              "\n"
              "  scan         lists what applications left behind: in a Mac's Library folders, or in a Linux home's\n"
              "               .config, .local/share, .cache, .local/state, Flatpak and snap data, autostart entries,\n"
              "               user services, menu entries and dot-files and dot-folders\n"
              "  trash        moves leftovers that a scan lists to the Trash\n"
              "  tag          marks leftovers that a scan lists with a tag colour (Red, Orange, Yellow, Green, Blue,\n"
              "               Purple, Gray)\n"
              "  restore      puts leftovers back from the Trash at the places they were moved from (the latest moved\n"
              "               from each), where nothing has taken their place\n"
              "  inventory    the installed software found, one line per inventory key\n"
              "  catalogue    the known applications recognised by name, in lookup order\n"
              "\n"
              "  --root DIR        the folder that stands for \"/\" of the system to scan (default /)\n"
              "  --home DIR        the user's home folder on this machine (default: your home)\n"
              "  --profile P       mac: a Mac's Library folders; linux: a Linux desktop's home against the packages,\n"
              "                    Flatpak apps and snaps installed there (default: mac when the home has a Library\n"
              "                    folder, else linux)\n"
              "  --threshold DAYS  days without use after which a leftover counts as old, and within which a change\n"
              "                    inside makes trash refuse it (default 365)\n"
              "  --format F        output format (default table)\n"
              "  --demo            scan a generated demonstration Mac instead of --root and --home\n"
              "  --demo-linux      scan a generated demonstration Linux desktop instead of --root and --home\n"
              "  --no-sizes        do not measure what each leftover takes on disk (sizes are then the entries' own)\n"
              "  --timings         the time spent in each stage of the scan, on standard error\n"
              "  --force           moves items that trash would otherwise refuse: those that hold your own files,\n"
              "                    changed inside recently or could not be looked into everywhere, and orphans whose\n"
              "                    names also match an installed app\n"
              "  --verbose         also write the diagnostic log to standard error\n"
              "  --                ends the options: what follows are paths, even those that start with a dash\n"
              "  --help            this text\n"
              "  --version         the program's name and version\n"
              "\n"
              "See leftscan-cli(1) for the output's fields and the exit statuses.\n");
}

QString CommandLine::versionLine()
{
    return QStringLiteral("leftscan-cli " LEFTSCAN_VERSION "\n");
}

ScanProfile CommandLine::scanProfile() const
{
    if (profile)
        return *profile;
    if (demoLinux)
        return ScanProfile::linuxDesktop;
    if (demo)
        return ScanProfile::mac;
    return MacProfile::suits(home) ? ScanProfile::mac : ScanProfile::linuxDesktop;
}

fs::path CommandLine::normalisedPath(const std::string &given)
{
    std::error_code ignored;
    std::string path = fs::absolute(fs::path(given), ignored).lexically_normal().native();
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return fs::path(path);
}

std::optional<CommandLine> CommandLine::parse(const std::vector<std::string> &arguments, QString &error)
{
    CommandLine line;
    bool homeGiven = false;
    bool folderGiven = false;
    bool thresholdGiven = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string argument = arguments[i];
        if (optionsEnded || argument == "-" || !argument.starts_with("-")) {
            if (line.command.empty())
                line.command = argument;
            else
                line.operands.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        std::optional<std::string> value;
        if (argument.starts_with("--") && argument.find('=') != std::string::npos) {
            value = argument.substr(argument.find('=') + 1);
            argument = argument.substr(0, argument.find('='));
        }
        auto takeValue = [&]() -> std::optional<std::string> {
            if (value)
                return value;
            if (i + 1 < arguments.size())
                return arguments[++i];
            error = tr("option %1 needs a value").arg(shown(argument));
            return std::nullopt;
        };

        if (argument == "--help" || argument == "-h") {
            line.help = true;
        } else if (argument == "--version") {
            line.version = true;
        } else if (argument == "--demo") {
            line.demo = true;
        } else if (argument == "--demo-linux") {
            line.demoLinux = true;
        } else if (argument == "--verbose") {
            line.verbose = true;
        } else if (argument == "--force") {
            line.force = true;
        } else if (argument == "--no-sizes") {
            line.sizes = false;
        } else if (argument == "--timings") {
            line.timings = true;
        } else if (argument == "--root" || argument == "--home" || argument == "--format" ||
                   argument == "--threshold" || argument == "--profile") {
            const auto given = takeValue();
            if (!given)
                return std::nullopt;
            folderGiven = folderGiven || argument != "--format";
            thresholdGiven = thresholdGiven || argument == "--threshold";
            if (argument == "--profile") {
                line.profile = scanProfileNamed(text(*given));
                if (!line.profile) {
                    error = tr("unknown profile %1 (mac|linux)").arg(shown(*given));
                    return std::nullopt;
                }
            } else if (argument == "--format") {
                line.format = text(*given);
            } else if (argument == "--threshold") {
                const char *end = given->data() + given->size();
                const auto [rest, code] = std::from_chars(given->data(), end, line.thresholdDays);
                if (code != std::errc() || rest != end || given->empty() || line.thresholdDays < 0) {
                    error = tr("--threshold needs a whole number of days, 0 or more, not %1").arg(shown(*given));
                    return std::nullopt;
                }
            } else if (argument == "--root") {
                line.root = fs::path(*given);
            } else {
                line.home = fs::path(*given);
                homeGiven = true;
            }
        } else {
            error = tr("unknown option %1").arg(shown(argument));
            return std::nullopt;
        }
    }
    if (line.help || line.version)
        return line;
    if (line.command.empty()) {
        error = tr("no command given (try --help)");
        return std::nullopt;
    }
    const CommandRules *rules = rulesFor(line.command);
    if (!rules) {
        error = tr("unknown command %1 (try --help)").arg(shown(line.command));
        return std::nullopt;
    }
    if (line.operands.size() < rules->minimumOperands || (rules->minimumOperands == 0 && !line.operands.empty())) {
        error = rules->minimumOperands == 0
                    ? tr("unexpected argument %1").arg(shown(line.operands.front()))
                    : tr("%1 needs %2")
                          .arg(shown(line.command), line.command == "tag" ? tr("a colour and paths") : tr("paths"));
        return std::nullopt;
    }
    if (line.format.isEmpty())
        line.format = rules->formats.first();
    if (!rules->formats.contains(line.format)) {
        error = tr("unknown format %1 (%2)").arg(line.format, rules->formats.join(u'|'));
        return std::nullopt;
    }
    if (thresholdGiven && !rules->takesThreshold) {
        error = tr("--threshold works with scan and trash only");
        return std::nullopt;
    }
    if (folderGiven && !rules->scansFolders) {
        error = tr("%1 takes no --root, --home, --profile or --threshold").arg(shown(line.command));
        return std::nullopt;
    }
    if (line.timings && line.command != "scan") {
        error = tr("--timings works with scan only");
        return std::nullopt;
    }
    if (line.demo && line.command != "scan") {
        error = tr("--demo works with scan only");
        return std::nullopt;
    }
    if (line.force && line.command != "trash") {
        error = tr("--force works with trash only");
        return std::nullopt;
    }
    if (!line.sizes && line.command != "scan") {
        error = tr("--no-sizes works with scan only");
        return std::nullopt;
    }
    if (line.demoLinux && (line.command != "scan" || line.demo)) {
        error = tr("--demo-linux works with scan only, and not with --demo");
        return std::nullopt;
    }
    if (!rules->scansFolders || line.demo || line.demoLinux)
        return line;
    if (!homeGiven)
        line.home = FolderArguments::defaultHome();
    for (fs::path *folder : {&line.root, &line.home}) {
        const std::optional<fs::path> resolved = FolderArguments::resolve(*folder, error);
        if (!resolved)
            return std::nullopt;
        *folder = *resolved;
    }
    if (FolderArguments::isFileSystemRoot(line.home)) {
        error = tr("the home folder cannot be the root folder (%1)").arg(shown(line.home.native()));
        return std::nullopt;
    }
    return line;
}
