#include "cli/CommandLine.h"

#include "platform/PathNames.h"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path defaultHome()
{
    if (const char *home = std::getenv("HOME"); home && *home)
        return fs::path(home);
    if (const passwd *user = getpwuid(getuid()); user && user->pw_dir)
        return fs::path(user->pw_dir);
    return fs::path("/");
}

bool isFolder(const fs::path &path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

QString text(const std::string &bytes)
{
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

} // namespace

QString CommandLine::usage()
{
    return QStringLiteral("usage: leftscan-cli inventory [--root DIR] [--home DIR] [--format json|table]\n"
                          "       leftscan-cli catalogue [--format json|table]\n"
                          "  inventory    the installed software found, one line per inventory key\n"
                          "  catalogue    the known applications recognised by name, in lookup order\n"
                          "  --root DIR   the folder that stands for \"/\" of the Mac to scan (default /)\n"
                          "  --home DIR   the user's home folder on this machine (default: your home)\n"
                          "  --format F   json or table (default table)\n");
}

std::optional<CommandLine> CommandLine::parse(const std::vector<std::string> &arguments, QString &error)
{
    CommandLine line;
    bool homeGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string argument = arguments[i];
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
            error = QStringLiteral("option %1 needs a value").arg(text(argument));
            return std::nullopt;
        };

        if (argument == "--help" || argument == "-h") {
            line.help = true;
        } else if (argument == "--root" || argument == "--home" || argument == "--format") {
            const auto given = takeValue();
            if (!given)
                return std::nullopt;
            if (argument == "--format")
                line.format = text(*given);
            else if (argument == "--root")
                line.root = fs::path(*given);
            else {
                line.home = fs::path(*given);
                homeGiven = true;
            }
        } else if (argument.starts_with("-")) {
            error = QStringLiteral("unknown option %1").arg(text(argument));
            return std::nullopt;
        } else if (line.command.empty()) {
            line.command = argument;
        } else {
            error = QStringLiteral("unexpected argument %1").arg(text(argument));
            return std::nullopt;
        }
    }
    if (line.help)
        return line;
    if (line.command.empty()) {
        error = QStringLiteral("no command given (try --help)");
        return std::nullopt;
    }
    if (line.command != "inventory" && line.command != "catalogue") {
        error = QStringLiteral("unknown command %1").arg(text(line.command));
        return std::nullopt;
    }
    if (line.format.isEmpty())
        line.format = QStringLiteral("table");
    if (line.format != u"json" && line.format != u"table") {
        error = QStringLiteral("unknown format %1 (json or table)").arg(line.format);
        return std::nullopt;
    }
    if (!homeGiven)
        line.home = defaultHome();
    for (fs::path *folder : {&line.root, &line.home}) {
        if (!isFolder(*folder)) {
            error = QStringLiteral("no such folder: %1").arg(PathNames::text(*folder));
            return std::nullopt;
        }
        std::error_code ignored;
        *folder = fs::absolute(*folder, ignored).lexically_normal();
        if (folder->native().size() > 1 && folder->native().back() == '/')
            *folder = fs::path(folder->native().substr(0, folder->native().size() - 1));
    }
    return line;
}
