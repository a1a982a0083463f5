// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CliRun.h"
#include "TempTree.h"

#include <gtest/gtest.h>

namespace {

// One run of the command line in a process of its own. Without QT_HASH_SEED every process hashes with a seed
// of its own, drawn at random; with it, all hash with the same one.
CliResult runCli(const std::vector<std::string> &arguments, bool ownHashSeed)
{
    CliOptions options;
    if (ownHashSeed)
        options.removedEnvironment = {"QT_HASH_SEED"};
    else
        options.environment = {"QT_HASH_SEED=0"};
    const CliResult result = runCli(arguments, options);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    return result;
}

// The first line in which two outputs differ, both versions, or nothing when they are the same.
std::string firstDifference(const QByteArray &expected, const QByteArray &actual)
{
    const QList<QByteArray> a = expected.split('\n');
    const QList<QByteArray> b = actual.split('\n');
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        const QByteArray x = a.value(i);
        const QByteArray y = b.value(i);
        if (x != y)
            return "line " + std::to_string(i + 1) + ":\n  " + x.toStdString() + "\n  " + y.toStdString();
    }
    return {};
}

// Vendors with two applications each, whose names share the vendor's word, and folders in the Library named
// after the vendor alone or with a letter before it: every such folder could belong to either application.
void makeLookalikes(const TempTree &tree)
{
    for (int vendor = 0; vendor < 40; ++vendor) {
        const std::string word = std::string("Zv") + char('a' + vendor / 8) + char('q' + vendor % 8);
        std::string lower = word;
        lower[0] = 'z';
        tree.makeBundle("Applications/" + word + " Studio.app", "org." + lower + ".studio",
                        "1." + std::to_string(vendor));
        tree.makeBundle("Applications/" + word + " Reader.app", "org." + lower + ".reader",
                        "2." + std::to_string(vendor));
        for (const char *folder : {"Application Support/", "Caches/", "Logs/"})
            tree.makeFolder("Users/me/Library/" + std::string(folder) + word);
        tree.makeFolder("Users/me/Library/Caches/X" + lower);
        tree.makeFolder("Users/me/Library/Caches/org." + lower + ".helper");
        tree.writeFile("Users/me/Library/Preferences/org." + lower + ".shared.plist", "x");
    }
}

} // namespace

TEST(RepeatableOutput, ScanAndInventoryAreTheSameInEveryProcess)
{
    TempTree tree;
    makeLookalikes(tree);
    for (const char *command : {"scan", "inventory"}) {
        const std::vector<std::string> arguments = {
            command,    "--root", tree.root().native(), "--home", tree.path("Users/me").native(),
            "--format", "json",   "--verbose"};
        const CliResult first = runCli(arguments, false);
        ASSERT_GT(first.out.count('\n'), 100) << first.out.toStdString();
        ASSERT_GT(first.err.count('\n'), 10) << first.err.toStdString();
        for (int run = 0; run < 4; ++run) {
            const CliResult again = runCli(arguments, true);
            EXPECT_EQ(firstDifference(first.out, again.out), "") << command << " output, run " << run;
            EXPECT_EQ(firstDifference(first.err, again.err), "") << command << " log, run " << run;
        }
    }
}
