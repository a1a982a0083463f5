// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/CommandTarget.h"

#include "linuxdesktop/CommandWords.h"

#include <QDir>
#include <QUrl>
#include <vector>

namespace {

using Kind = LaunchTarget::Kind;

// Command lines do not nest deeper than this (env nice sh -c "exec ...": four).
constexpr int MaximumDepth = 16;

enum class Role { wrapper, shell, interpreter, java, flatpak, snap, launcher, opener, terminal };

// How a program that runs another one reads its command line.
struct Rule {
    Role role;
    // Its file names; an interpreter's or shell's also with a version after them ("python3.11").
    QStringList names;
    // Short options that take a value, attached or as the next word, and long ones that may take the next word.
    QString valueOptions{};
    QStringList longValueOptions{};
    // Options after which the line runs nothing more: inline code, a process given by its number.
    QString endingOptions{};
    QStringList longEndingOptions{};
    // Words between the options and what runs: timeout's duration, taskset's mask, flock's file.
    int operands = 0;
    // Short options whose value is a command string for the shell (flock -c, xdg-su -c).
    QString commandStringOptions{};
};

const std::vector<Rule> &rules()
{
    static const std::vector<Rule> all = {
        {Role::wrapper, {"env"}, "uCS", {"--unset", "--chdir", "--split-string"}},
        {Role::wrapper,
         {"nohup", "setsid", "gamemoderun", "prime-run", "optirun", "primusrun", "pvkrun", "mangohud", "nocache",
          "eatmydata", "catchsegv", "aoss", "run-one", "dbus-launch", "firejail", "flatpak-spawn", "unbuffer"}},
        {Role::wrapper, {"exec"}, "a"},
        {Role::wrapper, {"nice"}, "n", {"--adjustment"}},
        {Role::wrapper,
         {"ionice"},
         "cnpPu",
         {"--class", "--classdata", "--pid", "--pgid", "--uid"},
         "pPu",
         {"--pid", "--pgid", "--uid"}},
        {Role::wrapper, {"taskset"}, {}, {}, "p", {"--pid"}, 1},
        {Role::wrapper, {"stdbuf"}, "ioe", {"--input", "--output", "--error"}},
        {Role::wrapper, {"timeout"}, "ks", {"--kill-after", "--signal"}, {}, {}, 1},
        {Role::wrapper,
         {"chrt"},
         "TPD",
         {"--sched-runtime", "--sched-period", "--sched-deadline"},
         "pm",
         {"--pid", "--max"},
         1},
        {Role::wrapper, {"flock"}, "wE", {"--timeout", "--wait", "--conflict-exit-code"}, {}, {}, 1, "c"},
        {Role::wrapper, {"time"}, "fo", {"--format", "--output"}},
        {Role::wrapper, {"command"}, {}, {}, "vV"},
        {Role::wrapper,
         {"sudo"},
         "ugCDhprtTU",
         {"--user", "--group", "--close-from", "--chdir", "--host", "--prompt", "--role", "--type", "--command-timeout",
          "--other-user"},
         "elvKV",
         {"--edit", "--list", "--validate", "--version", "--remove-timestamp"}},
        {Role::wrapper, {"doas"}, "uC"},
        {Role::wrapper, {"pkexec"}, {}, {"--user"}},
        {Role::wrapper, {"xdg-su"}, "u", {}, {}, {}, 0, "c"},
        {Role::wrapper, {"systemd-inhibit"}, {}, {"--what", "--who", "--why", "--mode"}},
        {Role::wrapper, {"systemd-cat"}, "tp", {"--identifier", "--priority", "--stderr-priority"}},
        {Role::wrapper,
         {"systemd-run"},
         "pEuMHC",
         {"--property",
          "--setenv",
          "--unit",
          "--slice",
          "--description",
          "--machine",
          "--host",
          "--uid",
          "--gid",
          "--nice",
          "--working-directory",
          "--service-type",
          "--on-active",
          "--on-boot",
          "--on-startup",
          "--on-unit-active",
          "--on-unit-inactive",
          "--on-calendar",
          "--timer-property",
          "--path-property",
          "--socket-property"}},
        {Role::wrapper, {"dbus-run-session"}, {}, {"--config-file", "--dbus-daemon"}},
        {Role::wrapper,
         {"xvfb-run"},
         "nsefpw",
         {"--server-num", "--server-args", "--error-file", "--auth-file", "--xauth-protocol", "--wait"}},
        {Role::wrapper, {"torsocks"}, "uapP", {"--user", "--pass", "--address", "--port"}},
        {Role::wrapper, {"proxychains", "proxychains4"}, "f"},
        {Role::wrapper, {"trickle"}, "udwtlL"},
        {Role::wrapper, {"padsp"}, "nms"},
        {Role::wrapper, {"pasuspender"}, "s", {"--server"}},
        {Role::wrapper, {"cgexec"}, "g"},
        {Role::wrapper, {"unshare"}, "SGRw", {"--setuid", "--setgid", "--root", "--wd"}},
        {Role::wrapper,
         {"numactl"},
         "imCNpPw",
         {"--interleave", "--membind", "--cpunodebind", "--physcpubind", "--preferred", "--preferred-many"}},
        {Role::shell,
         {"sh", "dash", "bash", "zsh", "ksh", "mksh", "fish", "csh", "tcsh"},
         "oO",
         {"--rcfile", "--init-file"},
         "s"},
        {Role::interpreter, {"python", "pypy"}, "WXQ", {"--check-hash-based-pycs"}, "cm"},
        {Role::interpreter, {"perl"}, "IMm", {}, "eE"},
        {Role::interpreter, {"ruby"}, "ICEr", {}, "e"},
        {Role::interpreter,
         {"node", "nodejs"},
         "rC",
         {"--require", "--import", "--loader", "--experimental-loader", "--conditions", "--input-type", "--title"},
         "ep",
         {"--eval", "--print", "--interactive"}},
        {Role::interpreter, {"lua", "luajit"}, "l", {}, "ei"},
        {Role::interpreter, {"gjs", "gjs-console"}, "I", {"--include-path"}, "c", {"--command"}},
        {Role::interpreter, {"mono", "electron", "tclsh", "wish"}},
        {Role::java, {"java"}},
        {Role::flatpak, {"flatpak"}},
        {Role::snap, {"snap"}},
        {Role::launcher, {"gtk-launch", "gtk4-launch", "gapplication"}},
        {Role::opener, {"xdg-open", "gio", "kde-open", "kde-open5", "kde-open6", "gnome-open", "gvfs-open"}},
        {Role::terminal,
         {"x-terminal-emulator",
          "xterm",
          "uxterm",
          "lxterm",
          "koi8rxterm",
          "urxvt",
          "urxvtc",
          "rxvt",
          "rxvt-unicode",
          "st",
          "alacritty",
          "lxterminal",
          "qterminal",
          "konsole",
          "gnome-terminal",
          "mate-terminal",
          "xfce4-terminal",
          "terminator",
          "tilix",
          "terminology",
          "sakura",
          "kitty"}},
    };
    return all;
}

const Rule *ruleFor(const QString &name)
{
    for (const Rule &rule : rules()) {
        for (const QString &each : rule.names) {
            if (name == each)
                return &rule;
            // Interpreters and shells are also installed under their versions: python3.11, perl5.36, tclsh8.6.
            const bool versioned = rule.role == Role::interpreter || rule.role == Role::shell;
            if (versioned && name.size() > each.size() && name.startsWith(each) &&
                std::all_of(name.cbegin() + each.size(), name.cend(), [](QChar c) { return c.isDigit() || c == u'.'; }))
                return &rule;
        }
    }
    return nullptr;
}

struct Context {
    QString home;
    QString workingDirectory;
    int depth = 0;
};

QString fileName(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

// A word whose value only the shell or the service manager knows when it runs.
bool isExpansion(const QString &word)
{
    return word.contains(u'$') || word.contains(u'`');
}

bool isAssignment(const QString &word)
{
    const qsizetype equals = word.indexOf(u'=');
    if (equals <= 0 || word.front().isDigit())
        return false;
    return std::all_of(word.cbegin(), word.cbegin() + equals,
                       [](QChar c) { return c.unicode() < 128 && (c.isLetterOrNumber() || c == u'_'); });
}

std::optional<QString> absolutePath(const QString &path, const Context &context)
{
    if (path.startsWith(u'/'))
        return QDir::cleanPath(path);
    if (context.workingDirectory.isEmpty())
        return std::nullopt;
    return QDir::cleanPath(context.workingDirectory + u'/' + path);
}

// A program as a command names it: a name to look for on the PATH, or a path.
std::optional<LaunchTarget> programTarget(const QString &program, const Context &context)
{
    if (program.isEmpty() || isExpansion(program))
        return std::nullopt;
    if (!program.contains(u'/'))
        return LaunchTarget{Kind::program, program};
    const std::optional<QString> path = absolutePath(program, context);
    if (!path)
        return std::nullopt;
    // The commands that snap and Flatpak put on the PATH start their software.
    if (path->startsWith(QStringLiteral("/snap/bin/")))
        return LaunchTarget{Kind::snap, fileName(*path).section(u'.', 0, 0)};
    if (path->contains(QStringLiteral("/flatpak/exports/bin/")))
        return LaunchTarget{Kind::flatpakApp, fileName(*path)};
    return LaunchTarget{Kind::program, *path};
}

// A file that a program reads or opens: a script, a jar, a document.
std::optional<LaunchTarget> fileTarget(const QString &file, const Context &context)
{
    if (file.isEmpty() || isExpansion(file))
        return std::nullopt;
    const std::optional<QString> path = absolutePath(file, context);
    if (!path)
        return std::nullopt;
    return LaunchTarget{Kind::program, *path};
}

std::optional<LaunchTarget> commandTarget(QStringList words, Context context);

struct Options {
    // The first word after the options.
    qsizetype next = 0;
    bool ended = false;
    // A shell's -c: its first operand is a command string.
    bool commandFlag = false;
    std::optional<QString> commandString;
};

// Reads the options of `rule` in words[1...]. env's -S splits its value into words in their place.
Options readOptions(const Rule &rule, QStringList &words)
{
    Options options;
    const bool isEnv = fileName(words.front()) == u"env";
    const auto split = [&](qsizetype at, const QString &value) {
        const QStringList inserted = CommandWords::desktopExec(value);
        for (qsizetype i = 0; i < inserted.size(); ++i)
            words.insert(at + i, inserted[i]);
    };
    qsizetype index = 1;
    while (index < words.size()) {
        const QString word = words[index];
        if (word == u"--") {
            ++index;
            break;
        }
        if (word.startsWith(u"--")) {
            const QString name = word.section(u'=', 0, 0);
            std::optional<QString> value;
            if (word.contains(u'='))
                value = word.section(u'=', 1);
            ++index;
            if (!value && rule.longValueOptions.contains(name) && index < words.size())
                value = words[index++];
            options.ended = options.ended || rule.longEndingOptions.contains(name);
            if (isEnv && name == u"--split-string" && value)
                split(index, *value);
            continue;
        }
        const bool isOption =
            word.size() > 1 && (word.front() == u'-' || (rule.role == Role::shell && word.front() == u'+'));
        if (!isOption) {
            // env's lone "-" starts from an empty environment.
            if (word == u"-" && isEnv) {
                ++index;
                continue;
            }
            break;
        }
        ++index;
        for (qsizetype i = 1; i < word.size(); ++i) {
            const QChar option = word[i];
            options.ended = options.ended || rule.endingOptions.contains(option);
            options.commandFlag = options.commandFlag || (rule.role == Role::shell && option == u'c');
            const bool isCommandString = rule.commandStringOptions.contains(option);
            if (!rule.valueOptions.contains(option) && !isCommandString)
                continue;
            const QString value = i + 1 < word.size() ? word.mid(i + 1) : words.value(index++);
            if (isCommandString)
                options.commandString = value;
            if (isEnv && option == u'S')
                split(index, value);
            break;
        }
    }
    options.next = index;
    return options;
}

// The simple commands of a command string, in order: the first that is not a condition, an assignment or one of
// the shell's own commands (or a helper such as sleep or pgrep) is what runs; cd changes where it runs.
std::optional<LaunchTarget> shellTarget(const QString &script, const QString &shell, Context context)
{
    static const QStringList conditions{"if", "elif", "while", "until"};
    static const QStringList reserved{"then", "else", "do", "{", "!", "time", "fi", "done", "}", "esac"};
    static const QStringList helpers{
        ":",     "[",      "[[",     ".",       "source", "true",    "false",   "test",  "echo",   "printf",
        "pushd", "popd",   "export", "unset",   "set",    "shift",   "read",    "wait",  "sleep",  "usleep",
        "trap",  "ulimit", "umask",  "alias",   "local",  "declare", "typeset", "eval",  "return", "exit",
        "break", "kill",   "pkill",  "killall", "pgrep",  "pidof",   "which",   "type",  "hash",   "logger",
        "mkdir", "rm",     "rmdir",  "touch",   "ln",     "cp",      "mv",      "chmod", "cat",    "grep"};
    bool inCondition = false;
    bool inCase = false;
    for (QStringList words : CommandWords::shellCommands(script, context.home)) {
        while (!words.isEmpty()) {
            const QString first = words.front();
            if (inCase || first == u"case" || first == u"for" || first == u"select" || first == u"function") {
                // The patterns of a case and the lists of a loop run nothing; its body comes after "do".
                inCase = (inCase || first == u"case") && first != u"esac";
                words.clear();
            } else if (conditions.contains(first) || reserved.contains(first)) {
                if (conditions.contains(first))
                    inCondition = true;
                else if (first == u"then" || first == u"do")
                    inCondition = false;
                words.removeFirst();
            } else {
                break;
            }
        }
        while (!words.isEmpty() && isAssignment(words.front()))
            words.removeFirst();
        if (inCondition || words.isEmpty())
            continue;
        const QString name = fileName(words.front());
        if (name == u"cd") {
            // cd's options (-L, -P) come before the folder; without one it goes home.
            qsizetype at = 1;
            while (at < words.size() && words[at].size() > 1 && words[at].startsWith(u'-'))
                ++at;
            const QString folder = at < words.size() ? words[at] : context.home;
            context.workingDirectory =
                folder == u"-" || isExpansion(folder) ? QString() : absolutePath(folder, context).value_or(QString());
            continue;
        }
        const bool lookup = name == u"command" && (words.value(1) == u"-v" || words.value(1) == u"-V");
        if (helpers.contains(name) || lookup)
            continue;
        return commandTarget(words, context);
    }
    return programTarget(shell, context);
}

std::optional<LaunchTarget> javaTarget(const QStringList &words, const Context &context)
{
    static const QStringList classPaths{"-cp", "-classpath", "--class-path"};
    static const QStringList valued{"-p",
                                    "--module-path",
                                    "--upgrade-module-path",
                                    "--add-modules",
                                    "--limit-modules",
                                    "--add-reads",
                                    "--add-exports",
                                    "--add-opens",
                                    "--patch-module",
                                    "--source",
                                    "--enable-native-access"};
    QString classPath;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString &word = words[i];
        if (word == u"-jar")
            return i + 1 < words.size() ? fileTarget(words[i + 1], context) : programTarget(words.front(), context);
        if (word == u"-m" || word == u"--module" || word.startsWith(QStringLiteral("--module=")))
            return programTarget(words.front(), context);
        if (classPaths.contains(word)) {
            classPath = words.value(++i);
        } else if (word.startsWith(QStringLiteral("--class-path="))) {
            classPath = word.section(u'=', 1);
        } else if (valued.contains(word)) {
            ++i;
        } else if (!word.startsWith(u'-') && !word.startsWith(u'@')) {
            // The main class: in a source file of its own, or on the class path, whose first entry is the
            // application's.
            if (word.endsWith(QStringLiteral(".java")))
                return fileTarget(word, context);
            QString first = classPath.section(u':', 0, 0);
            if (first.endsWith(QStringLiteral("/*")))
                first.chop(2);
            return first.isEmpty() ? programTarget(words.front(), context) : fileTarget(first, context);
        }
    }
    return programTarget(words.front(), context);
}

// flatpak run [options] APP and snap run [options] SNAP; their other commands are their own.
std::optional<LaunchTarget> installedSoftware(const QStringList &words, Kind kind, const Context &context)
{
    static const QStringList valued{"--arch",
                                    "--branch",
                                    "--command",
                                    "--cwd",
                                    "--runtime",
                                    "--runtime-version",
                                    "--commit",
                                    "--runtime-commit",
                                    "--filesystem",
                                    "--nofilesystem",
                                    "--env",
                                    "--unset-env",
                                    "--env-fd",
                                    "--socket",
                                    "--nosocket",
                                    "--device",
                                    "--nodevice",
                                    "--share",
                                    "--unshare",
                                    "--allow",
                                    "--disallow",
                                    "--own-name",
                                    "--talk-name",
                                    "--no-talk-name",
                                    "--system-own-name",
                                    "--system-talk-name",
                                    "--system-no-talk-name",
                                    "--add-policy",
                                    "--remove-policy",
                                    "--persist",
                                    "--app-path",
                                    "--usr-path",
                                    "--instance-id-fd",
                                    "--parent-pid",
                                    "--installation"};
    bool running = false;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString &word = words[i];
        if (word.startsWith(u'-')) {
            if (kind == Kind::flatpakApp && valued.contains(word))
                ++i;
        } else if (!running) {
            if (word != u"run")
                return programTarget(words.front(), context);
            running = true;
        } else if (kind == Kind::flatpakApp) {
            // APP, APP//BRANCH or app/APP/ARCH/BRANCH.
            const QString ref = word.startsWith(QStringLiteral("app/")) ? word.mid(4) : word;
            return LaunchTarget{kind, ref.section(u'/', 0, 0)};
        } else {
            // SNAP or SNAP.APP.
            return LaunchTarget{kind, word.section(u'.', 0, 0)};
        }
    }
    return programTarget(words.front(), context);
}

// gtk-launch APP and gapplication launch APP start a menu entry by its desktop-file ID.
std::optional<LaunchTarget> menuEntry(const QStringList &words, const Context &context)
{
    qsizetype i = 1;
    if (fileName(words.front()) == u"gapplication") {
        if (words.value(1) != u"launch" && words.value(1) != u"action")
            return programTarget(words.front(), context);
        i = 2;
    }
    for (; i < words.size(); ++i) {
        if (words[i].startsWith(u'-'))
            continue;
        QString id = words[i];
        if (id.endsWith(QStringLiteral(".desktop")))
            id.chop(8);
        return LaunchTarget{Kind::menuEntry, id};
    }
    return programTarget(words.front(), context);
}

bool hasScheme(const QString &word)
{
    const qsizetype colon = word.indexOf(u':');
    return colon > 1 && word.front().isLetter() && std::all_of(word.cbegin(), word.cbegin() + colon, [](QChar c) {
               return c.unicode() < 128 && (c.isLetterOrNumber() || c == u'+' || c == u'.' || c == u'-');
           });
}

// xdg-open FILE opens a file that must be there; a web address is opened by whatever handles it.
std::optional<LaunchTarget> openedFile(const QStringList &words, const Context &context)
{
    qsizetype i = 1;
    if (fileName(words.front()) == u"gio") {
        if (words.value(1) != u"open" && words.value(1) != u"launch")
            return programTarget(words.front(), context);
        i = 2;
    }
    for (; i < words.size(); ++i) {
        const QString &word = words[i];
        if (word.startsWith(u'-'))
            continue;
        if (word.startsWith(QStringLiteral("file:")))
            return fileTarget(QUrl(word).toLocalFile(), context);
        if (hasScheme(word))
            return programTarget(words.front(), context);
        return fileTarget(word, context);
    }
    return programTarget(words.front(), context);
}

// A terminal runs the command after its -e, -x or --; a single word with spaces is a command line of its own.
std::optional<LaunchTarget> terminalCommand(const QStringList &words, const Context &context)
{
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString &word = words[i];
        if (word != u"-e" && word != u"-x" && word != u"--" && word != u"--execute")
            continue;
        const QStringList command = words.mid(i + 1);
        if (command.size() == 1 && command.front().contains(u' '))
            return shellTarget(command.front(), words.front(), context);
        return command.isEmpty() ? programTarget(words.front(), context) : commandTarget(command, context);
    }
    return programTarget(words.front(), context);
}

std::optional<LaunchTarget> commandTarget(QStringList words, Context context)
{
    if (++context.depth > MaximumDepth || words.isEmpty())
        return std::nullopt;
    const QString program = words.front();
    if (isExpansion(program))
        return std::nullopt;
    const Rule *rule = ruleFor(fileName(program));
    if (!rule)
        return programTarget(program, context);
    switch (rule->role) {
    case Role::java:
        return javaTarget(words, context);
    case Role::flatpak:
        return installedSoftware(words, Kind::flatpakApp, context);
    case Role::snap:
        return installedSoftware(words, Kind::snap, context);
    case Role::launcher:
        return menuEntry(words, context);
    case Role::opener:
        return openedFile(words, context);
    case Role::terminal:
        return terminalCommand(words, context);
    default:
        break;
    }
    const Options options = readOptions(*rule, words);
    qsizetype next = options.next;
    if (rule->role == Role::shell) {
        if (options.commandFlag)
            return next < words.size() ? shellTarget(words[next], program, context) : programTarget(program, context);
        if (options.ended || next >= words.size() || words[next] == u"-")
            return programTarget(program, context);
        return fileTarget(words[next], context);
    }
    if (rule->role == Role::interpreter) {
        if (options.ended || next >= words.size() || words[next] == u"-")
            return programTarget(program, context);
        return fileTarget(words[next], context);
    }
    if (options.commandString)
        return shellTarget(*options.commandString, program, context);
    if (options.ended)
        return programTarget(program, context);
    if (fileName(program) == u"env") {
        while (next < words.size() && isAssignment(words[next]))
            ++next;
    }
    next += rule->operands;
    // flock FILE -c COMMAND
    if (!rule->commandStringOptions.isEmpty() && (words.value(next) == u"-c" || words.value(next) == u"--command"))
        return shellTarget(words.value(next + 1), program, context);
    if (next >= words.size())
        return programTarget(program, context);
    return commandTarget(words.mid(next), context);
}

} // namespace

std::optional<LaunchTarget> CommandTarget::of(const QStringList &arguments, const QString &home,
                                              const QString &workingDirectory)
{
    return commandTarget(arguments, Context{home, workingDirectory});
}
