#include "platform/AdministratorCommand.h"
#include "QtPrinters.h"
#include "TempTree.h"
#include "TrashInspection.h"
#include "platform/FreedesktopTrash.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <sys/wait.h>
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
    FILE *shell = popen(("cd '" + folder.native() + "' || exit 99\n" + command.toStdString()).c_str(), "r");
    if (!shell)
        return run;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, shell)) > 0;)
        run.output.append(buffer, n);
    const int status = pclose(shell);
    if (WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    return run;
}

// The value of an AppleScript string literal as the script compiler reads it; absent when it is not one
// whole literal.
std::optional<QByteArray> appleScriptValue(const QByteArray &literal)
{
    if (literal.size() < 2 || !literal.startsWith('"') || !literal.endsWith('"'))
        return std::nullopt;
    const QByteArray escapes = "\\\\\"\"n\nr\rt\t"; // each escape's letter and what it stands for
    QByteArray value;
    for (qsizetype i = 1; i + 1 < literal.size(); ++i) {
        if (literal[i] == '"')
            return std::nullopt;
        if (literal[i] != '\\') {
            value += literal[i];
            continue;
        }
        const qsizetype escape = i + 2 < literal.size() ? escapes.indexOf(literal[++i]) : -1;
        if (escape < 0 || escape % 2 != 0)
            return std::nullopt;
        value += escapes[escape + 1];
    }
    return value;
}

} // namespace

TEST(AdministratorCommand, QuotesEveryPathAsOneSingleQuotedShellWord)
{
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
    std::vector<QByteArray> texts = {"", "a\"b\\c", "\\n stays two characters"};
    for (const std::string &name : awkwardNames())
        texts.push_back(AdministratorCommand::moveCommand("/Library/Caches/" + name, "/Users/anna/.Trash/" + name));
    for (const QByteArray &text : texts) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(appleScriptValue(AdministratorCommand::appleScriptStringLiteral(text)), text);
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
