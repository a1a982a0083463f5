// The administrator move command, run through /bin/sh in a scratch tree, moves exactly the named entries to
// their named places and touches nothing else. The input's pieces between NUL bytes name the moves: item,
// destination, item, destination...; a last item without a destination keeps its name.
#include "FuzzSupport.h"
#include "platform/AdministratorCommand.h"

#include <cstdint>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <map>
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

std::string contents(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every entry below `root` by its path relative to it: "d" for a folder, "f" and the contents for a file, "l" and
// the target for a symbolic link.
using Snapshot = std::map<std::string, std::string>;

Snapshot snapshot(const fs::path &root)
{
    Snapshot entries;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        const fs::path &path = it->path();
        const std::string relative = path.lexically_relative(root).native();
        if (it->is_symlink())
            entries[relative] = "l" + fs::read_symlink(path).native();
        else if (it->is_directory())
            entries[relative] = "d";
        else
            entries[relative] = "f" + contents(path);
    }
    return entries;
}

// The entries below `from` (itself included) moved to `to`.
void moveEntries(Snapshot &entries, const std::string &from, const std::string &to)
{
    Snapshot moved;
    for (auto it = entries.begin(); it != entries.end();) {
        if (it->first == from || it->first.starts_with(from + "/")) {
            moved[to + it->first.substr(from.size())] = it->second;
            it = entries.erase(it);
        } else {
            ++it;
        }
    }
    entries.merge(moved);
}

std::string describe(const Snapshot &entries)
{
    std::string text;
    for (const auto &[path, kind] : entries)
        text += "  [" + path + "] " + kind.substr(0, 1) + "\n";
    return text;
}

void runShell(const QByteArray &command, const fs::path &workingFolder)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (const int descriptor : {0, 1, 2})
        posix_spawn_file_actions_addopen(&actions, descriptor, "/dev/null", O_RDWR, 0);
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
    if (error != 0)
        FuzzSupport::fail("cannot start /bin/sh");
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
    }
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

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static ScratchFolder instance;
    scratch = &instance;
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
        if (!FuzzSupport::isEntryName(item) || !FuzzSupport::isEntryName(destination))
            return -1;
        if (!items.insert(item).second || !destinations.insert(destination).second)
            return -1;
        names.emplace_back(item, destination);
    }

    const fs::path tree = scratch->path() / "tree";
    const fs::path folder = tree / "Library" / "Caches";
    const fs::path trash = tree / "Trash" / "files";
    fs::remove_all(tree);
    fs::create_directories(folder);
    fs::create_directories(trash);
    for (const std::string &sibling : Siblings)
        FuzzSupport::writeFile(folder / sibling, sibling);
    FuzzSupport::writeFile(trash / Taken, Taken);
    std::vector<std::pair<fs::path, fs::path>> moves;
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
        moves.emplace_back(item, trash / names[k].second);
    }

    Snapshot expected = snapshot(tree);
    for (const auto &[item, destination] : names) {
        const std::string to = "Trash/files/" + destination;
        if (!expected.contains(to))
            moveEntries(expected, "Library/Caches/" + item, to);
    }

    const QByteArray command = AdministratorCommand::moveCommands(moves);
    if (moves.size() == 1 && command != AdministratorCommand::moveCommand(moves[0].first, moves[0].second))
        FuzzSupport::fail("moveCommands of one move differs from its moveCommand");
    if (appleScriptValue(AdministratorCommand::appleScriptStringLiteral(command)) != command)
        FuzzSupport::fail("the AppleScript literal does not hold the command unchanged");

    runShell(command, tree);
    const Snapshot actual = snapshot(tree);
    if (actual != expected)
        FuzzSupport::fail("the command\n" + command.toStdString() + "\nleft\n" + describe(actual) + "instead of\n" +
                          describe(expected));
    fs::remove_all(tree);
    return 0;
}
