// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The administrator's move to the Trash: the helper's command line reaches the helper through the shell of the
// Mac's AppleScript unchanged, and the helper, run on it in a scratch tree, moves exactly the named entries to their
// reserved names in the Trash, replaces nothing already there and touches nothing else. The input's pieces between
// NUL bytes name the moves: item, reserved name, item, reserved name...; a last item without a reserved name keeps
// its name.
#include "FuzzSupport.h"
#include "admintrash/AdministratorHelper.h"
#include "platform/AdministratorCommand.h"
#include "platform/FreedesktopTrash.h"
#include "platform/TrashInfo.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <set>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t MaximumMoves = 3;
const std::vector<std::string> Siblings{"sibling", "-n", "*", "'", "a b", "$(touch x)"};
// Already in the Trash: a move there must not replace it.
const std::string Taken = "taken";

ScratchFolder *scratch = nullptr;

// What /bin/sh, running `command` in `workingFolder`, writes on its standard output.
std::string runShell(const QByteArray &command, const fs::path &workingFolder)
{
    int output[2];
    if (pipe(output) != 0)
        FuzzSupport::fail("cannot make a pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, output[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str());
    std::string text = command.toStdString();
    char shell[] = "sh";
    char option[] = "-c";
    char *arguments[] = {shell, option, text.data(), nullptr};
    char path[] = "PATH=/usr/bin:/bin";
    char *environment[] = {path, nullptr};
    pid_t child = 0;
    const int error = posix_spawn(&child, "/bin/sh", &actions, nullptr, arguments, environment);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    if (error != 0)
        FuzzSupport::fail("cannot start /bin/sh");
    std::string written;
    char buffer[4096];
    for (ssize_t got; (got = read(output[0], buffer, sizeof buffer)) != 0;) {
        if (got > 0)
            written.append(buffer, std::size_t(got));
        else if (errno != EINTR)
            break;
    }
    close(output[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
    }
    return written;
}

// The text of a double-quoted AppleScript literal, or absent when a quote inside is not escaped.
std::optional<QByteArray> appleScriptValue(const QByteArray &literal)
{
    if (literal.size() < 2 || !literal.startsWith('"') || !literal.endsWith('"'))
        return std::nullopt;
    QByteArray value;
    for (qsizetype i = 1; i + 1 < literal.size(); ++i) {
        char c = literal[i];
        if (c == '"')
            return std::nullopt;
        if (c == '\\') {
            if (++i + 1 >= literal.size())
                return std::nullopt;
            c = literal[i];
        }
        value += c;
    }
    return value;
}

// Checks that the shell hands every argument after the helper's own name on unchanged, as the AppleScript's shell
// would hand them to the helper.
void expectCarriedByTheShell(const std::vector<std::string> &arguments, const fs::path &workingFolder)
{
    std::vector<std::string> printed{"printf", "%s\\0"};
    printed.insert(printed.end(), arguments.begin() + 1, arguments.end());
    const QByteArray command = AdministratorCommand::shellCommand(printed);
    if (appleScriptValue(AdministratorCommand::appleScriptStringLiteral(command)) != command)
        FuzzSupport::fail("the AppleScript literal does not hold the command unchanged");
    std::string expected;
    for (auto it = arguments.begin() + 1; it != arguments.end(); ++it)
        expected += *it + '\0';
    if (runShell(command, workingFolder) != expected)
        FuzzSupport::fail("the shell did not hand on the arguments of\n" + command.toStdString());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static ScratchFolder instance;
    scratch = &instance;
    FuzzSupport::silenceDiagnostics();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::vector<std::string_view> pieces =
        FuzzSupport::splitAtNul(std::string_view(reinterpret_cast<const char *>(data), size));
    std::vector<std::pair<std::string, std::string>> names;
    std::set<std::string> items;
    std::set<std::string> destinations;
    for (std::size_t i = 0; i < pieces.size() && names.size() < MaximumMoves; i += 2) {
        const std::string item(pieces[i]);
        const std::string destination(i + 1 < pieces.size() ? pieces[i + 1] : pieces[i]);
        if (!FuzzSupport::isEntryName(item) || !FuzzSupport::isEntryName(destination) ||
            destination.size() > FreedesktopTrash::MaximumNameBytes)
            return -1;
        if (!items.insert(item).second || !destinations.insert(destination).second)
            return -1;
        names.emplace_back(item, destination);
    }

    const fs::path tree = scratch->path() / "tree";
    const fs::path home = tree / "home";
    const fs::path folder = home / "Library" / "Caches";
    const FreedesktopTrash trash(home, ".local/share/Trash");
    fs::remove_all(tree);
    fs::create_directories(folder);
    for (const fs::path &own : {trash.folder(), trash.folder() / "files", trash.folder() / "info"}) {
        fs::create_directories(own);
        chmod(own.c_str(), 0700);
    }
    for (const std::string &sibling : Siblings)
        FuzzSupport::writeFile(folder / sibling, sibling);
    FuzzSupport::writeFile(trash.folder() / "files" / Taken, Taken);
    std::vector<AdministratorMove> moves;
    for (std::size_t k = 0; k < names.size(); ++k) {
        const fs::path item = folder / names[k].first;
        if (!fs::exists(fs::symlink_status(item))) {
            if (k == 0) {
                FuzzSupport::writeFile(item, "item");
            } else if (k == 1) {
                fs::create_directory(item);
                FuzzSupport::writeFile(item / "inside", "inside");
            } else {
                fs::create_symlink("sibling", item);
            }
        }
        const TrashSlot slot{trash.folder() / "files" / names[k].second,
                             trash.folder() / "info" / (names[k].second + ".trashinfo")};
        FuzzSupport::writeFile(slot.restoreInfo, TrashInfo{item.native(), "2026-01-01T00:00:00"}.text());
        moves.push_back({item, folder, slot});
    }

    FuzzSupport::Snapshot expected = FuzzSupport::snapshot(tree);
    for (const auto &[item, destination] : names) {
        const std::string to = "home/.local/share/Trash/files/" + destination;
        if (!expected.contains(to))
            FuzzSupport::moveEntries(expected, "home/Library/Caches/" + item, to);
    }

    const std::vector<std::string> arguments =
        AdministratorCommand::arguments("leftscan-admin-trash", trash.base(), trash.relative(), moves);
    expectCarriedByTheShell(arguments, tree);
    std::string errors;
    const InvokingUser user{getuid(), getgid(), home};
    AdministratorHelper::run(std::vector<std::string>(arguments.begin() + 1, arguments.end()), user, errors, tree);
    const FuzzSupport::Snapshot actual = FuzzSupport::snapshot(tree);
    if (actual != expected)
        FuzzSupport::fail("the helper left\n" + FuzzSupport::describe(actual) + "instead of\n" +
                          FuzzSupport::describe(expected) + errors);
    fs::remove_all(tree);
    return 0;
}
