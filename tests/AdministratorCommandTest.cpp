// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

// The helper program as the build makes it (beside leftscan-cli, or inside the Mac's application bundle).
fs::path helper()
{
    return fs::path(qgetenv("LEFTSCAN_ADMIN_TRASH").toStdString());
}

} // namespace

TEST(AdministratorCommand, CarriesEveryArgumentThroughTheShellAsOneWord)
{
    TempTree tree;
    std::vector<std::string> words = awkwardNames();
    words.insert(words.end(), {"", "'", "\\'", "'\\", "a\\"});
    std::vector<std::string> command = {"printf", "%s\\0"};
    command.insert(command.end(), words.begin(), words.end());
    const ShellRun run = runShell(AdministratorCommand::shellCommand(command), tree.root());
    EXPECT_EQ(run.status, 0);
    std::string expected;
    for (const std::string &word : words)
        expected += word + '\0';
    EXPECT_EQ(run.output, expected);
    EXPECT_FALSE(anythingNamed(tree.root(), "pwned"));
}

TEST(AdministratorCommand, TheHelperMovesEachItemToItsReservedNameAndOneThatCannotGoStopsNoneAfterIt)
{
    TempTree tree;
    const fs::path home = tree.makeFolder("home");
    const FreedesktopTrash trash(home, ".local/share/Trash");
    const fs::path library = tree.makeFolder("home/Library");
    std::vector<AdministratorMove> moves;
    for (const std::string name : {"first's", "taken", "unreserved", "linked", "-- last"}) {
        const fs::path item = tree.writeFile("home/Library/" + name, "item " + name);
        const auto reservation = trash.reserve(item);
        ASSERT_TRUE(reservation);
        moves.push_back({item, library, {reservation->filesPath, reservation->infoPath}});
    }
    tree.writeFile("home/.local/share/Trash/files/taken", "already there");
    fs::remove(moves[2].slot.restoreInfo);
    moves[3].folder = tree.makeSymlink("home/Link", library.native());

    const std::vector<std::string> arguments = AdministratorCommand::arguments(helper(), trash, moves);
    const ShellRun run = runShell(AdministratorCommand::shellCommand(arguments) + " 2>&1", tree.root());

    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(TempTree::readFile(moves[0].slot.destination), "item first's");
    EXPECT_EQ(TempTree::readFile(moves[4].slot.destination), "item -- last");
    EXPECT_FALSE(isThere(moves[0].item) || isThere(moves[4].item));
    EXPECT_EQ(TempTree::readFile(moves[1].slot.destination), "already there");
    for (const std::size_t stayed : {1, 2, 3}) {
        EXPECT_EQ(TempTree::readFile(moves[stayed].item), "item " + moves[stayed].item.filename().native());
        EXPECT_TRUE(run.output.find(moves[stayed].item.filename().native()) != std::string::npos) << run.output;
    }
    EXPECT_FALSE(isThere(moves[2].slot.destination) || isThere(moves[3].slot.destination));
    EXPECT_EQ(runShell(AdministratorCommand::shellCommand({helper().native(), home.native()}), tree.root()).status, 2);
}

TEST(AdministratorCommand, AppleScriptLiteralCarriesTheCommandUnchanged)
{
    std::vector<QByteArray> texts = {"", "a\"b\\c", "\\n stays two characters"};
    for (const std::string &name : awkwardNames())
        texts.push_back(
            AdministratorCommand::shellCommand({"/Applications/Leftscan.app/leftscan-admin-trash", "/Users/anna",
                                                ".local/share/Trash", "/Library/Caches", name, name}));
    for (const QByteArray &text : texts) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(appleScriptValue(AdministratorCommand::appleScriptStringLiteral(text)), text);
    }
}

TEST(AdministratorCommand, AppleScriptRunsTheCommandWithAdministratorPrivileges)
{
    const QByteArray command =
        AdministratorCommand::shellCommand({"/Applications/leftscan-admin-trash", "O'Brien \"Tool\""});
    EXPECT_EQ(AdministratorCommand::appleScriptSource(command),
              QByteArray("do shell script \"'/Applications/leftscan-admin-trash' 'O'\\\\''Brien \\\"Tool\\\"'\" "
                         "with administrator privileges"));
}
