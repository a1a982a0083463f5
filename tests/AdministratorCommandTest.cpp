// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/AdministratorCommand.h"
#include "QtPrinters.h"
#include "TempTree.h"
#include "TrashInspection.h"
#include "platform/FinderTrash.h"
#include "platform/FreedesktopTrash.h"
#include "platform/TrashInfo.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
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

// A program of the tests' own, beside leftscan-cli.
fs::path built(const char *name)
{
    return fs::path(qgetenv("LEFTSCAN_CLI").toStdString()).parent_path() / name;
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

TEST(AdministratorCommand, TheHelperMovesOnlyListableItemsToTheirOwnReservationsAndOneThatCannotGoStopsNoneAfterIt)
{
    TempTree tree;
    const fs::path home = tree.makeFolder("home");
    const FreedesktopTrash trash(home, ".local/share/Trash");
    const fs::path caches = tree.makeFolder("home/Library/Caches");
    tree.writeFile("home/Library/secret", "not listed");
    tree.makeSymlink("home/Link", caches.native());
    std::vector<AdministratorMove> moves;
    for (const std::string name : {"first's", "taken", "unreserved", "linked", "climbs", "elsewhere", "-- last"}) {
        const fs::path item = tree.writeFile("home/Library/Caches/" + name, "item " + name);
        const auto reservation = trash.reserve(item);
        ASSERT_TRUE(reservation);
        moves.push_back({item, caches, {reservation->filesPath, reservation->infoPath}});
    }
    tree.writeFile("home/.local/share/Trash/files/taken", "already there");
    fs::remove(moves[2].slot.restoreInfo);
    moves[3].folder = home / "Link";
    // The reservation of an item of the scan location, used for an item that reaches out of it.
    moves[4].folder = caches / "..";
    moves[4].item = caches / ".." / "secret";
    // A reservation that names another item.
    std::ofstream(moves[5].slot.restoreInfo, std::ios::trunc)
        << TrashInfo{(caches / "first's").native(), "2024-01-01T00:00:00"}.text();

    const std::vector<std::string> arguments =
        AdministratorCommand::arguments(built("leftscan-admin-trash-stand-in"), trash.base(), trash.relative(), moves);
    const QByteArray command = "LEFTSCAN_TEST_HOME='" + QByteArray(home.c_str()) + "' " +
                               AdministratorCommand::shellCommand(arguments) + " 2>&1";
    const ShellRun run = runShell(command, tree.root());

    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_EQ(TempTree::readFile(moves[0].slot.destination), "item first's");
    EXPECT_EQ(TempTree::readFile(moves[6].slot.destination), "item -- last");
    EXPECT_FALSE(isThere(moves[0].item) || isThere(moves[6].item));
    EXPECT_EQ(TempTree::readFile(moves[1].slot.destination), "already there");
    for (const std::size_t stayed : {1, 2, 3, 5}) {
        EXPECT_EQ(TempTree::readFile(caches / moves[stayed].item.filename()),
                  "item " + moves[stayed].item.filename().native());
        EXPECT_NE(run.output.find("'" + moves[stayed].item.filename().native() + "'"), std::string::npos) << run.output;
    }
    EXPECT_EQ(TempTree::readFile(tree.path("home/Library/secret")), "not listed");
    EXPECT_EQ(entryCount(home / ".local/share/Trash/files"), 3U);
    EXPECT_EQ(
        runShell(AdministratorCommand::shellCommand({built("leftscan-admin-trash-stand-in").native(), home.native()}),
                 tree.root())
            .status,
        2);
}

TEST(AdministratorCommand, OnAMacTheHelperMovesIntoTheFindersTrashOfTheUserOnlyUnderAFreeName)
{
    TempTree tree;
    const fs::path home = tree.makeFolder("home");
    const fs::path caches = tree.makeFolder("home/Library/Caches");
    const FinderTrash trash(home);
    std::vector<AdministratorMove> moves;
    for (const std::string name : {"first's.plist", "taken", "-- last"}) {
        const fs::path item = tree.writeFile("home/Library/Caches/" + name, "item " + name);
        const auto place = trash.freePlace(item);
        ASSERT_TRUE(place);
        moves.push_back({item, caches, {*place, {}}});
    }
    tree.writeFile("home/.Trash/taken", "already there");
    const auto run = [&](const std::vector<AdministratorMove> &these) {
        const std::vector<std::string> arguments = AdministratorCommand::arguments(
            built("leftscan-admin-trash-stand-in"), home, FinderTrash::FolderName, these);
        return runShell("LEFTSCAN_TEST_HOME='" + QByteArray(home.c_str()) + "' " +
                            AdministratorCommand::shellCommand(arguments) + " 2>&1",
                        tree.root());
    };

    const ShellRun moved = run({moves[0], moves[1]});
    EXPECT_EQ(moved.status, 1) << moved.output;
    EXPECT_EQ(moves[0].slot.destination, home / ".Trash/first's.plist");
    EXPECT_EQ(TempTree::readFile(moves[0].slot.destination), "item first's.plist");
    EXPECT_EQ(TempTree::readFile(home / ".Trash/taken"), "already there");
    EXPECT_EQ(TempTree::readFile(caches / "taken"), "item taken");
    EXPECT_FALSE(isThere(home / ".local"));
    EXPECT_EQ(trash.freePlace(caches / "taken"), home / ".Trash/taken 2");

    // A Trash that others may change, or a link in its place, takes nothing.
    const fs::path elsewhere = tree.makeFolder("elsewhere");
    fs::permissions(home / ".Trash", fs::perms::all);
    EXPECT_EQ(run({moves[2]}).status, 1);
    fs::rename(home / ".Trash", tree.path("aside"));
    fs::create_directory_symlink(elsewhere, home / ".Trash");
    EXPECT_EQ(run({moves[2]}).status, 1);
    EXPECT_EQ(TempTree::readFile(moves[2].item), "item -- last");
    EXPECT_TRUE(fs::is_empty(elsewhere));
}

TEST(AdministratorCommand, TheHelperActsOnlyForTheUserThePromptNamesAndNeverForTheArguments)
{
    TempTree tree;
    const fs::path home = tree.makeFolder("home");
    const FreedesktopTrash trash(home, ".local/share/Trash");
    const fs::path caches = tree.makeFolder("home/Library/Caches");
    const fs::path item = tree.writeFile("home/Library/Caches/qqvv", "item");
    const auto reservation = trash.reserve(item);
    ASSERT_TRUE(reservation);
    const std::vector<std::string> arguments = AdministratorCommand::arguments(
        helper(), trash.base(), trash.relative(), {{item, caches, {reservation->filesPath, reservation->infoPath}}});

    // Without the prompt's word on the user, and for a user whose home this is not, nothing moves.
    for (const char *user : {"", "PKEXEC_UID=0 ", "PKEXEC_UID=65534 ", "PKEXEC_UID=x "}) {
        const ShellRun run =
            runShell("env -u PKEXEC_UID " + QByteArray(user) + AdministratorCommand::shellCommand(arguments) + " 2>&1",
                     tree.root());
        EXPECT_NE(run.status, 0) << user;
        EXPECT_EQ(TempTree::readFile(item), "item") << user;
    }
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
