#include "platform/AdministratorCommand.h"
#include "QtPrinters.h"
#include "TempTree.h"
#include "TrashInspection.h"
#include "platform/FreedesktopTrash.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct ShellRun {
    int status = -1;
    std::string output;
};

// Runs the command as /bin/sh -c would get it from the administrator script, in `folder`, with the rights of
// the test itself.
ShellRun runShell(const QByteArray &command, const fs::path &folder)
{
    ShellRun run;
    int channel[2];
    if (pipe(channel) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, channel[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, channel[0]);
    posix_spawn_file_actions_addclose(&actions, channel[1]);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    std::string text = command.toStdString();
    char shell[] = "sh";
    char option[] = "-c";
    char *arguments[] = {shell, option, text.data(), nullptr};
    pid_t child = -1;
    const int spawned = posix_spawn(&child, "/bin/sh", &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(channel[1]);
    if (spawned == 0) {
        char buffer[4096];
        ssize_t n;
        while ((n = read(channel[0], buffer, sizeof buffer)) > 0)
            run.output.append(buffer, std::size_t(n));
    }
    close(channel[0]);
    int status = 0;
    if (spawned == 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    return run;
}

// The value of an AppleScript string literal as the script compiler reads it; absent when it is not one
// whole literal.
std::optional<QByteArray> appleScriptValue(const QByteArray &literal)
{
    if (literal.size() < 2 || !literal.startsWith('"') || !literal.endsWith('"'))
        return std::nullopt;
    QByteArray value;
    for (qsizetype i = 1; i + 1 < literal.size(); ++i) {
        const char c = literal[i];
        if (c == '"')
            return std::nullopt;
        if (c != '\\') {
            value += c;
            continue;
        }
        if (i + 2 >= literal.size())
            return std::nullopt;
        switch (literal[++i]) {
        case '\\':
            value += '\\';
            break;
        case '"':
            value += '"';
            break;
        case 'n':
            value += '\n';
            break;
        case 'r':
            value += '\r';
            break;
        case 't':
            value += '\t';
            break;
        default:
            return std::nullopt;
        }
    }
    return value;
}

} // namespace

TEST(AdministratorCommand, QuotesEveryPathAsOneSingleQuotedShellWord)
{
    EXPECT_EQ(AdministratorCommand::shellQuoted("O'Brien Tool"), QByteArray("'O'\\''Brien Tool'"));
    EXPECT_EQ(AdministratorCommand::shellQuoted(""), QByteArray("''"));
    EXPECT_EQ(AdministratorCommand::shellQuoted("$(x) \"y\" \\z"), QByteArray("'$(x) \"y\" \\z'"));

    TempTree tree;
    const fs::path folder = tree.makeFolder("work");
    std::vector<std::string> words = awkwardNames();
    words.insert(words.end(), {"", "'", "\\'", "'\\", "a\\"});
    for (const std::string &word : words) {
        SCOPED_TRACE(word);
        const ShellRun run = runShell("printf '%s' " + AdministratorCommand::shellQuoted(word), folder);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.output, word);
    }
    EXPECT_FALSE(anythingNamed(tree.root(), "pwned"));
}

TEST(AdministratorCommand, MoveCommandNamesTheItemAndItsFreePlaceWithoutEverReplacing)
{
    EXPECT_EQ(
        AdministratorCommand::moveCommand("/Library/LaunchDaemons/O'Brien Tool", "/Users/anna/.Trash/O'Brien Tool"),
        QByteArray("mv -n -- '/Library/LaunchDaemons/O'\\''Brien Tool' '/Users/anna/.Trash/O'\\''Brien Tool'"));
}

TEST(AdministratorCommand, MoveCommandCarriesEveryNameIntactIntoItsReservedPlaceInTheTrash)
{
    TempTree tree;
    const fs::path work = tree.makeFolder("work");
    const fs::path trashFolder = tree.path("Trash");
    const FreedesktopTrash trash(trashFolder);

    int index = 0;
    for (const std::string &name : awkwardNames()) {
        SCOPED_TRACE(name);
        const std::string contents = "contents " + std::to_string(index++);
        const fs::path item = tree.writeFile("Library/" + name, contents);
        const auto reservation = trash.reserve(item);
        ASSERT_TRUE(reservation);

        const ShellRun run = runShell(AdministratorCommand::moveCommand(item, reservation->filesPath), work);

        EXPECT_EQ(run.status, 0);
        EXPECT_FALSE(isThere(item));
        EXPECT_EQ(TempTree::readFile(reservation->filesPath), contents);
        EXPECT_EQ(readTrashInfo(reservation->infoPath).path, item.native());
    }

    const fs::path folder = tree.writeFile("Library/it's a \"folder\" $(touch pwned)/inside", "inside").parent_path();
    const auto reservation = trash.reserve(folder);
    ASSERT_TRUE(reservation);
    EXPECT_EQ(runShell(AdministratorCommand::moveCommand(folder, reservation->filesPath), work).status, 0);
    EXPECT_FALSE(isThere(folder));
    EXPECT_EQ(TempTree::readFile(reservation->filesPath / "inside"), "inside");

    EXPECT_EQ(std::distance(fs::directory_iterator(trashFolder / "files"), fs::directory_iterator()),
              std::ptrdiff_t(awkwardNames().size() + 1));
    EXPECT_TRUE(fs::is_empty(tree.path("Library")));
    EXPECT_FALSE(anythingNamed(tree.root(), "pwned"));
}

TEST(AdministratorCommand, MoveCommandLeavesTheItemWhereItIsWhenItsPlaceWasTaken)
{
    TempTree tree;
    const FreedesktopTrash trash(tree.path("Trash"));
    const fs::path item = tree.writeFile("Library/com.example.plist", "the item");
    const auto reservation = trash.reserve(item);
    ASSERT_TRUE(reservation);
    tree.writeFile("Trash/files/com.example.plist", "already there");

    runShell(AdministratorCommand::moveCommand(item, reservation->filesPath), tree.root());

    EXPECT_EQ(TempTree::readFile(item), "the item");
    EXPECT_EQ(TempTree::readFile(reservation->filesPath), "already there");
}

TEST(AdministratorCommand, OneRunMovesEveryItemAndAnItemWhosePlaceWasTakenStopsNoneAfterIt)
{
    TempTree tree;
    const FreedesktopTrash trash(tree.path("Trash"));
    std::vector<std::pair<fs::path, fs::path>> moves;
    for (const std::string name : {"first's", "taken", "-- last"}) {
        const fs::path item = tree.writeFile("Library/" + name, "item " + name);
        const auto reservation = trash.reserve(item);
        ASSERT_TRUE(reservation);
        moves.emplace_back(item, reservation->filesPath);
    }
    tree.writeFile("Trash/files/taken", "already there");

    runShell(AdministratorCommand::moveCommands(moves), tree.root());

    EXPECT_EQ(TempTree::readFile(moves[0].second), "item first's");
    EXPECT_EQ(TempTree::readFile(moves[1].first), "item taken");
    EXPECT_EQ(TempTree::readFile(moves[1].second), "already there");
    EXPECT_EQ(TempTree::readFile(moves[2].second), "item -- last");
    EXPECT_FALSE(isThere(moves[0].first) || isThere(moves[2].first));
}

TEST(AdministratorCommand, AppleScriptLiteralCarriesTheCommandUnchanged)
{
    EXPECT_EQ(AdministratorCommand::appleScriptStringLiteral("plain"), QByteArray("\"plain\""));
    EXPECT_EQ(AdministratorCommand::appleScriptStringLiteral("a\"b\\c"), QByteArray("\"a\\\"b\\\\c\""));
    EXPECT_EQ(AdministratorCommand::appleScriptStringLiteral("\\n stays two characters"),
              QByteArray("\"\\\\n stays two characters\""));
    EXPECT_EQ(AdministratorCommand::appleScriptStringLiteral(""), QByteArray("\"\""));

    for (const std::string &name : awkwardNames()) {
        SCOPED_TRACE(name);
        const QByteArray command =
            AdministratorCommand::moveCommand("/Library/Caches/" + name, "/Users/anna/.Trash/" + name);
        EXPECT_EQ(appleScriptValue(AdministratorCommand::appleScriptStringLiteral(command)), command);
    }
}

TEST(AdministratorCommand, AppleScriptRunsTheCommandWithAdministratorPrivileges)
{
    const QByteArray command = AdministratorCommand::moveCommand("/Library/LaunchDaemons/O'Brien \"Tool\"",
                                                                 "/Users/anna/.Trash/O'Brien \"Tool\"");
    EXPECT_EQ(AdministratorCommand::appleScriptSource(command),
              QByteArray("do shell script \"mv -n -- '/Library/LaunchDaemons/O'\\\\''Brien \\\"Tool\\\"' "
                         "'/Users/anna/.Trash/O'\\\\''Brien \\\"Tool\\\"'\" with administrator privileges"));
}
