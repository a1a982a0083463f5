// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CliRun.h"
#include "QtPrinters.h"
#include "TempTree.h"
#include "identification/KnownAppCatalogue.h"
#include "platform/CloseOnExecPipe.h"
#include "platform/FileTags.h"
#include "platform/TrashInfo.h"
#include "ui/ByteCountFormatter.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <set>
#include <spawn.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The tree as the root, its Users/me as the home.
Arguments folders(const TempTree &tree)
{
    return {"--root", tree.root().native(), "--home", tree.path("Users/me").native()};
}

// A home whose Caches folder is a symbolic link to the home itself, so that a careless scan would list the home's
// Documents and Library as leftovers, and one real leftover in Logs.
struct LinkedCachesHome {
    LinkedCachesHome()
    {
        tree.writeFile("Users/me/Documents/precious.txt", "keep");
        tree.writeFile("Users/me/Library/Logs/qqvv.log", "x");
        tree.makeSymlink("Users/me/Library/Caches", "..");
    }

    TempTree tree;
};

} // namespace

TEST(CliInventory, JsonIsOneSortedArrayOfRecordsAndTheLogGoesToStandardErrorWhenAskedFor)
{
    TempTree tree;
    tree.makeBundle("Applications/Beta \"Quoted\".app", "org.example.beta", "1.0");
    tree.writeFile("usr/local/bin/gamma");
    const QString root = QString::fromUtf8(tree.root().c_str());

    const Arguments arguments = {"inventory",          "--root",        tree.root().native(), "--home",
                                 tree.root().native(), "--format=json", "--profile",          "mac"};
    const CliResult run = runCli(arguments + Arguments{"--verbose"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("✅ App scan fully completed with"));
    EXPECT_FALSE(run.out.contains("🔍"));
    const CliResult quiet = runCli(arguments);
    EXPECT_EQ(quiet.err, QByteArray());
    EXPECT_EQ(quiet.out, run.out);

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out, &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    const QJsonArray array = document.array();
    ASSERT_FALSE(array.isEmpty());
    QString previous;
    for (const QJsonValue &value : array) {
        const QJsonObject object = value.toObject();
        EXPECT_EQ(object.keys(), (QStringList{"bundleID", "key", "name", "url", "version"}));
        EXPECT_LT(previous, object["key"].toString());
        previous = object["key"].toString();
        EXPECT_TRUE(object["url"].toString().startsWith(root + u'/'));
    }
    const auto find = [&](const QString &key) {
        for (const QJsonValue &value : array) {
            if (value["key"].toString() == key)
                return value.toObject();
        }
        return QJsonObject();
    };
    const QJsonObject beta = find("org.example.beta");
    EXPECT_EQ(beta["name"].toString(), QStringLiteral("Beta \"Quoted\""));
    EXPECT_EQ(beta["version"].toString(), QStringLiteral("1.0"));
    EXPECT_EQ(beta["url"].toString(), root + QStringLiteral("/Applications/Beta \"Quoted\".app"));
    EXPECT_TRUE(find("tool:gamma")["version"].isNull());
}

TEST(CliInventory, TableIsAlignedAndRelativeFoldersBecomeAbsolute)
{
    TempTree tree;
    tree.makeBundle("mac/Applications/Alpha.app", "org.example.alpha");
    tree.makeFolder("mac/Users/me/Library");
    const CliResult run = runCli({"inventory", "--root", "mac", "--home", "mac/Users/me"},
                                 CliOptions{.workingDirectory = tree.root().native()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = QString::fromUtf8(run.out).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines.first().startsWith(QStringLiteral("KEY")));
    EXPECT_EQ(lines.last(), QStringLiteral("%1 keys").arg(lines.size() - 2));
    const qsizetype nameColumn = lines.first().indexOf(QStringLiteral("NAME"));
    for (qsizetype i = 1; i + 1 < lines.size(); ++i)
        EXPECT_EQ(lines[i].mid(nameColumn, 5), QStringLiteral("Alpha"));
    EXPECT_TRUE(run.out.contains(QByteArray(tree.root().c_str()) + "/mac/Applications/Alpha.app"));
}

TEST(CliInventory, BadOptionsAndMissingFoldersExitWithStatusTwoAndOneLine)
{
    TempTree tree;
    const std::string root = tree.root().native();
    const std::vector<Arguments> cases = {{"inventory", "--bogus"},
                                          {"inventory", "--root", root + "/missing"},
                                          {"inventory", "--root", root, "--home", root + "/nohome"},
                                          {"inventory", "--format", "xml"},
                                          {"inventory", "--root"},
                                          {"frobnicate"},
                                          {"scan", "--threshold", "-5"},
                                          {"scan", "--threshold", "soon"},
                                          {"scan", "--force"},
                                          {}};
    for (const Arguments &arguments : cases) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        const CliResult run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_EQ(runCli({"--help"}).exitCode, 0);
    const CliResult version = runCli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QByteArrayLiteral("leftscan-cli " LEFTSCAN_VERSION "\n"));
}

TEST(CliCatalogue, JsonListsEveryRowInOrder)
{
    const CliResult run = runCli({"catalogue", "--format", "json"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonArray rows = QJsonDocument::fromJson(run.out).array();
    const auto catalogue = KnownAppCatalogue::rows();
    ASSERT_EQ(std::size_t(rows.size()), catalogue.size());
    for (std::size_t i : {std::size_t(0), catalogue.size() - 1})
        EXPECT_EQ(rows[qsizetype(i)]["keyword"].toString(), QString::fromUtf8(catalogue[i].keyword));
}

TEST(CliScan, JsonCsvAndExitStatuses)
{
    TempTree tree;
    tree.makeBundle("Applications/Zzqx.app", "org.zzqx.app");
    tree.writeFile("Users/me/Library/Caches/org.zzqx.app/data", "x");
    tree.writeFile("Users/me/Library/Logs/=qqvv, \"quoted\".log", "x");
    const Arguments scan = Arguments{"scan"} + folders(tree);

    const CliResult json = runCli(scan + Arguments{"--format", "json"});
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QJsonArray items = QJsonDocument::fromJson(json.out).array();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].toObject().keys(), (QStringList{"bundleIdentifier",
                                                       "category",
                                                       "creationDate",
                                                       "evidence",
                                                       "evidenceDetail",
                                                       "fileSize",
                                                       "itemCount",
                                                       "lastModified",
                                                       "lastOpened",
                                                       "lastUsed",
                                                       "lookalikes",
                                                       "matchedAppName",
                                                       "name",
                                                       "newestInside",
                                                       "path",
                                                       "risk",
                                                       "sizeOnDisk",
                                                       "sizePartial",
                                                       "status",
                                                       "userFiles",
                                                       "userFilesSample",
                                                       "weakMatch"}));
    EXPECT_TRUE(json.out.contains("\"fileSize\": 0, \"sizeOnDisk\": "));
    // The folder's own size is nothing; on disk it holds one file.
    EXPECT_EQ(items[1]["fileSize"].toInt(), 0);
    EXPECT_GT(items[1]["sizeOnDisk"].toInt(), 0);
    EXPECT_EQ(items[1]["itemCount"].toInt(), 1);
    EXPECT_EQ(items[1]["sizePartial"], QJsonValue(false));
    const CliResult unmeasured = runCli(scan + Arguments{"--format", "json", "--no-sizes"});
    ASSERT_EQ(unmeasured.exitCode, 0) << unmeasured.err.toStdString();
    const QJsonArray bare = QJsonDocument::fromJson(unmeasured.out).array();
    ASSERT_EQ(bare.size(), 2);
    for (const char *key : {"sizeOnDisk", "itemCount", "sizePartial", "userFiles", "userFilesSample", "newestInside"})
        EXPECT_TRUE(bare[1][QLatin1String(key)].isNull()) << key;
    EXPECT_TRUE(json.out.contains("\"userFiles\": {}, \"userFilesSample\": [], \"newestInside\": \""));
    EXPECT_EQ(items[1]["bundleIdentifier"].toString(), QStringLiteral("org.zzqx.app"));
    EXPECT_EQ(items[1]["evidence"].toString(), QStringLiteral("inventory key org.zzqx.app"));
    EXPECT_EQ(items[1]["evidenceDetail"][0]["kind"].toString(), QStringLiteral("inventoryKey"));
    EXPECT_EQ(items[1]["evidenceDetail"][0]["source"].toString(), QStringLiteral("org.zzqx.app"));
    EXPECT_TRUE(items[1]["lastOpened"].isNull());
    EXPECT_TRUE(items[1]["lastModified"].toString().endsWith(u'Z'));

    const CliResult csv = runCli(scan + Arguments{"--format=csv", "--threshold", "0"});
    ASSERT_EQ(csv.exitCode, 0);
    EXPECT_TRUE(csv.out.startsWith("path,name,category,status,risk,bundleIdentifier,matchedAppName,fileSize,"
                                   "sizeOnDisk,itemCount,sizePartial,lastModified,"));
    // A name that a spreadsheet would read as a formula is guarded by a quote; the path starts with "/".
    EXPECT_TRUE(csv.out.contains(
        QByteArray::fromStdString("\r\n\"" + tree.path("Users/me/Library/Logs").native() +
                                  "/=qqvv, \"\"quoted\"\".log\",\"'=qqvv, \"\"quoted\"\".log\",Logs,")))
        << csv.out.toStdString();
    EXPECT_EQ(csv.out.count("\r\n"), 3);

    // A home without a Library is a Linux home unless the Mac profile is asked for.
    const CliResult refused = runCli(
        {"scan", "--profile", "mac", "--root", tree.root().native(), "--home", tree.path("Applications").native()});
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_TRUE(refused.err.contains("the scan was refused: the Library folder"));
}

TEST(CliScan, TrashAndTagActOnlyOnListedEntries)
{
    TempTree tree;
    tree.writeFile("Users/me/Library/Caches/qqvv-cache/data", "x");
    tree.writeFile("Users/me/Library/Logs/qqvv.log", "x");
    tree.writeFile("Users/me/Documents/precious.txt", "keep");
    const std::string home = tree.path("Users/me").native();

    const CliResult refused = runCli(Arguments{"trash"} + folders(tree) +
                                     Arguments{home + "/Library/Logs/qqvv.log", home + "/Documents/precious.txt"});
    EXPECT_EQ(refused.exitCode, 4);
    EXPECT_TRUE(fs::exists(tree.path("Users/me/Documents/precious.txt")));
    EXPECT_TRUE(fs::exists(tree.path("Users/me/Library/Logs/qqvv.log")));

    const std::string cache = home + "/Library/Caches/qqvv-cache";
    EXPECT_EQ(runCli(Arguments{"tag"} + folders(tree) + Arguments{"mauve", cache}).exitCode, 2);
    const CliResult tagged = runCli(Arguments{"tag"} + folders(tree) + Arguments{"green", cache});
    if (tagged.exitCode == 0) {
        EXPECT_EQ(FileTags::tags(cache), QStringList{"Green"});
    } else {
        // A file system without user attributes: the failure is reported, not hidden.
        EXPECT_EQ(tagged.exitCode, 1);
        EXPECT_TRUE(tagged.err.contains("was not tagged"));
    }
}

TEST(CliScan, AFolderThatIsNotScannedIsOneWarningOnStandardErrorAndTheLogComesOnlyWhenAskedFor)
{
    const LinkedCachesHome home;
    const std::string caches = home.tree.path("Users/me/Library/Caches").native();
    const QByteArray warning =
        QByteArray::fromStdString("leftscan-cli: warning: " + caches + " was not scanned: it is a symbolic link\n");

    const CliResult run = runCli(Arguments{"scan", "--format", "json"} + folders(home.tree));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, warning);
    const QJsonArray items = QJsonDocument::fromJson(run.out).array();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0]["name"].toString(), QStringLiteral("qqvv.log"));

    const CliResult verbose = runCli(Arguments{"scan", "--verbose"} + folders(home.tree));
    EXPECT_EQ(verbose.exitCode, 0);
    EXPECT_TRUE(verbose.err.contains("✅ App scan fully completed with"));
    EXPECT_TRUE(verbose.err.endsWith(warning));

    // Each stage's line, as scripts read it.
    const CliResult timed = runCli(Arguments{"scan", "--timings"} + folders(home.tree));
    QStringList stages;
    for (const QByteArray &line : timed.err.split('\n')) {
        if (line.startsWith("timing: "))
            stages.append(QString::fromUtf8(line.mid(8, 40)).trimmed());
    }
    stages.sort();
    EXPECT_EQ(stages, QStringList({"identification", "index build", "inventory: Application Support",
                                   "inventory: Homebrew and MacPorts", "inventory: application folders",
                                   "inventory: frameworks", "inventory: reading bundles", "inventory: receipts",
                                   "inventory: running applications", "inventory: tools and Java",
                                   "inventory: workspace", "listing", "output", "whole scan"}));

    // What a careless scan listed is not a leftover.
    for (const char *path : {"Users/me/Library/Caches/Library", "Users/me/Library/Caches/Documents"}) {
        const CliResult trashed =
            runCli(Arguments{"trash"} + folders(home.tree) + Arguments{home.tree.path(path).native()});
        EXPECT_EQ(trashed.exitCode, 4) << path;
    }
    EXPECT_EQ(TempTree::readFile(home.tree.path("Users/me/Library/Logs/qqvv.log")), "x");
    EXPECT_EQ(TempTree::readFile(home.tree.path("Users/me/Documents/precious.txt")), "keep");
}

TEST(CliScan, ALibraryThatIsNoFolderRefusesTheScanAndAnOutputThatCannotBeWrittenFails)
{
    for (const bool link : {false, true}) {
        TempTree tree;
        if (link)
            tree.makeSymlink("Users/me/Library", "/dev/null");
        else
            tree.writeFile("Users/me/Library", "not a folder");
        const CliResult run = runCli(Arguments{"scan"} + folders(tree));
        EXPECT_EQ(run.exitCode, 3) << link;
        EXPECT_TRUE(run.err.contains("the scan was refused")) << link;
        EXPECT_TRUE(run.out.isEmpty()) << link;
    }

    const LinkedCachesHome home;
    for (const Arguments &arguments :
         {Arguments{"scan", "--format", "json"} + folders(home.tree), Arguments{"inventory"} + folders(home.tree),
          Arguments{"catalogue"}, Arguments{"--help"}, Arguments{"--version"}}) {
        const CliResult run = runCli(arguments, CliOptions{.standardOutput = "/dev/full"});
        EXPECT_EQ(run.exitCode, 5) << arguments.front();
        EXPECT_TRUE(run.err.endsWith("leftscan-cli: the output could not be written: No space left on device\n"))
            << run.err.toStdString();
    }
}

TEST(CliTrash, AnOrphanThatMayBelongToAnInstalledAppIsMovedOnlyWithForce)
{
    TempTree tree;
    tree.makeBundle("Applications/Visual Studio Code.app", "com.microsoft.VSCode");
    tree.writeFile("Users/me/Library/LaunchAgents/com.microsoft.update.agent.plist",
                   TempTree::launchJob("com.microsoft.update.agent"));
    tree.writeFile("Users/me/Library/Logs/qqvv.log", "x");
    const long long longAgo = std::time(nullptr) - 800LL * 24 * 60 * 60;
    tree.setTimes("Users/me/Library/LaunchAgents/com.microsoft.update.agent.plist", longAgo, longAgo);
    tree.setTimes("Users/me/Library/Logs/qqvv.log", longAgo, longAgo);
    const std::string agent = tree.path("Users/me/Library/LaunchAgents/com.microsoft.update.agent.plist").native();
    const std::string log = tree.path("Users/me/Library/Logs/qqvv.log").native();

    const CliResult json = runCli(Arguments{"scan", "--format", "json"} + folders(tree));
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QJsonArray items = QJsonDocument::fromJson(json.out).array();
    ASSERT_EQ(items.size(), 2);
    for (const QJsonValue &item : items) {
        const bool isAgent = item["path"].toString().toStdString() == agent;
        EXPECT_EQ(item["status"].toString(), QStringLiteral("orphan"));
        EXPECT_EQ(item["lookalikes"].toArray(),
                  isAgent ? QJsonArray{QStringLiteral("Visual Studio Code")} : QJsonArray());
        EXPECT_FALSE(item["weakMatch"].toBool());
    }
    const CliResult csv = runCli(Arguments{"scan", "--format", "csv"} + folders(tree));
    EXPECT_TRUE(csv.out.contains(",evidence,lookalikes,weakMatch,userFiles,userFilesSample,newestInside,evidenceKind,"
                                 "evidenceStrength,evidenceName,evidenceSource\r\n"));
    EXPECT_TRUE(csv.out.contains(",Visual Studio Code,false,{},,"));
    const CliResult table = runCli(Arguments{"scan"} + folders(tree));
    EXPECT_TRUE(table.out.contains("orphan?"));

    const CliResult refused = runCli(Arguments{"trash"} + folders(tree) + Arguments{log, agent});
    EXPECT_EQ(refused.exitCode, 4);
    EXPECT_TRUE(refused.err.contains("may belong to Visual Studio Code, which is installed"))
        << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains("--force"));
    EXPECT_TRUE(fs::exists(agent));
    EXPECT_TRUE(fs::exists(log));
    EXPECT_FALSE(fs::exists(tree.path("Users/me/.local/share/Trash/files")));

    const CliResult forced = runCli(Arguments{"trash", "--force"} + folders(tree) + Arguments{log, agent});
    EXPECT_EQ(forced.exitCode, 0) << forced.err.toStdString();
    EXPECT_TRUE(runCli({"--help"})
                    .out.contains("--force           moves items that trash would otherwise refuse: those that "
                                  "hold your own files,\n"));
    EXPECT_FALSE(fs::exists(agent));
    EXPECT_TRUE(fs::exists(tree.path("Users/me/.local/share/Trash/files/com.microsoft.update.agent.plist")));
}

TEST(CliTrash, WhatHoldsTheUsersOwnFilesOrChangedRecentlyIsMovedOnlyWithForce)
{
    TempTree tree;
    tree.writeFile("Users/me/Library/Application Support/Qqvv Wallet/wallets/default_wallet", "{\"seed_version\": 52}");
    tree.writeFile("Users/me/Library/Application Support/Qqvv Wallet/blocks/blk00000.dat", "x");
    tree.writeFile("Users/me/Library/Application Support/qqvv-sync/journal", "x");
    tree.writeFile("Users/me/Library/Caches/qqvv-viewer/thumbnails/IMG_0001.jpg", "x");
    tree.age("Users/me/Library", 800);
    tree.age("Users/me/Library/Application Support/qqvv-sync/journal", 3);
    const std::string support = tree.path("Users/me/Library/Application Support").native();
    const std::string wallet = support + "/Qqvv Wallet";
    const std::string sync = support + "/qqvv-sync";
    const std::string viewer = tree.path("Users/me/Library/Caches/qqvv-viewer").native();

    const CliResult json = runCli(Arguments{"scan", "--format", "json"} + folders(tree));
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    EXPECT_TRUE(
        json.out.contains("\"userFiles\": {\"credentials\": 1}, \"userFilesSample\": [\"wallets/default_wallet\"]"));
    const CliResult table = runCli(Arguments{"scan"} + folders(tree));
    EXPECT_TRUE(table.out.contains("orphan!")) << table.out.toStdString();
    EXPECT_TRUE(table.out.contains("orphan*")) << table.out.toStdString();

    const CliResult refused = runCli(Arguments{"trash"} + folders(tree) + Arguments{viewer, wallet, sync});
    EXPECT_EQ(refused.exitCode, 4);
    EXPECT_TRUE(refused.err.contains(
        QByteArray::fromStdString(wallet + " holds your own files: 1 credential (wallets/default_wallet)\n")))
        << refused.err.toStdString();
    EXPECT_TRUE(
        refused.err.contains(QByteArray::fromStdString(sync + " was used recently: something inside changed ")));
    EXPECT_TRUE(refused.err.contains("--force"));
    EXPECT_FALSE(fs::exists(tree.path("Users/me/.local/share/Trash")));

    // A cache full of pictures is no one's own files.
    EXPECT_EQ(runCli(Arguments{"trash"} + folders(tree) + Arguments{viewer}).exitCode, 0);
    const CliResult forced = runCli(Arguments{"trash", "--force"} + folders(tree) + Arguments{wallet, sync});
    EXPECT_EQ(forced.exitCode, 0) << forced.err.toStdString();
    EXPECT_FALSE(fs::exists(wallet));
}

TEST(CliTrash, APathGivenTwiceOrWithASlashIsMovedOnceWithoutAnyQuestion)
{
    TempTree tree;
    tree.writeFile("Users/me/Library/Caches/qqvv-cache/data", "x");
    tree.writeFile("Users/me/Library/Logs/qqvv.log", "x");
    tree.age("Users/me/Library", 800);
    const std::string cache = tree.path("Users/me/Library/Caches/qqvv-cache").native();
    const std::string log = tree.path("Users/me/Library/Logs/qqvv.log").native();

    const CliResult run = runCli(Arguments{"trash"} + folders(tree) + Arguments{cache + "/", log, cache, log});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, QByteArray());
    const fs::path trash = tree.path("Users/me/.local/share/Trash/files");
    EXPECT_EQ(TempTree::readFile(trash / "qqvv-cache" / "data"), "x");
    EXPECT_EQ(TempTree::readFile(trash / "qqvv.log"), "x");
    EXPECT_EQ(std::distance(fs::directory_iterator(trash), fs::directory_iterator()), 2);
}

TEST(CliScan, PathsThatAreNotUtf8AreWrittenByTheirExactBytesAndTakenBack)
{
    TempTree tree;
    // Valid UTF-8 stays as it is; every byte outside it is written as \udcXX.
    const std::vector<std::pair<std::string, std::string>> names = {
        {"qqvv\xff", "qqvv\\udcff"},
        {"qqvv\xfe", "qqvv\\udcfe"},
        {"qqvv-caf\xc3\xa9", "qqvv-caf\xc3\xa9"},
        {"qqvv-overlong\xc0\xaf", "qqvv-overlong\\udcc0\\udcaf"},
        {"qqvv-surrogate\xed\xa0\x80", "qqvv-surrogate\\udced\\udca0\\udc80"},
        {"qqvv-cut\xe2\x82", "qqvv-cut\\udce2\\udc82"},
    };
    for (const auto &[name, json] : names)
        tree.writeFile("Users/me/Library/Caches/" + name, "x");
    tree.age("Users/me/Library", 800);
    const std::string caches = tree.path("Users/me/Library/Caches").native();

    const CliResult json = runCli(Arguments{"scan", "--format", "json"} + folders(tree));
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const CliResult csv = runCli(Arguments{"scan", "--format", "csv"} + folders(tree));
    ASSERT_EQ(csv.exitCode, 0) << csv.err.toStdString();
    for (const auto &[name, escaped] : names) {
        EXPECT_TRUE(json.out.contains(
            QByteArray::fromStdString("\"path\": \"" + caches + "/" + escaped + "\", \"name\": \"" + escaped + "\"")))
            << escaped;
        EXPECT_TRUE(csv.out.contains(QByteArray::fromStdString("\r\n" + caches + "/" + name + "," + name + ",Caches,")))
            << escaped;
    }
    EXPECT_EQ(QJsonDocument::fromJson(json.out).array().size(), qsizetype(names.size()));

    // The tables show them for reading: every byte outside UTF-8 as an escape, none replaced.
    const CliResult table = runCli(Arguments{"scan"} + folders(tree));
    TempTree apps;
    apps.makeBundle("Applications/Qqvv\xff.app", "org.qqvv.odd");
    apps.makeFolder("Users/me/Library");
    const CliResult inventory = runCli(Arguments{"inventory"} + folders(apps));
    for (const char *shown : {"  qqvv\\xff  ", "  qqvv\\xfe  ", "  qqvv-caf\xc3\xa9  ", "  qqvv-overlong\\xc0\\xaf  ",
                              "  qqvv-surrogate\\xed\\xa0\\x80  ", "  qqvv-cut\\xe2\\x82  "})
        EXPECT_TRUE(table.out.contains(shown)) << shown << table.out.toStdString();
    EXPECT_FALSE(table.out.contains("\xef\xbf\xbd")) << table.out.toStdString();
    EXPECT_TRUE(inventory.out.contains("/Applications/Qqvv\\xff.app\n")) << inventory.out.toStdString();

    // As the README feeds JSON paths back: Python's os.fsencode() gives the exact bytes.
    if (fs::exists("/usr/bin/python3")) {
        const TempTree scratch;
        std::ofstream(scratch.path("scan.json"), std::ios::binary) << json.out.toStdString();
        const std::string command = "/usr/bin/python3 -c 'import json, os, sys; sys.stdout.buffer.write(b\"\\0\".join("
                                    "os.fsencode(item[\"path\"]) for item in json.load(open(sys.argv[1], \"rb\"))))' " +
                                    scratch.path("scan.json").native() + " > " + scratch.path("paths").native();
        ASSERT_EQ(std::system(command.c_str()), 0);
        std::set<std::string> paths;
        std::istringstream listed(TempTree::readFile(scratch.path("paths")));
        for (std::string path; std::getline(listed, path, '\0');)
            paths.insert(path);
        std::set<std::string> expected;
        for (const auto &[name, escaped] : names)
            expected.insert(caches + "/" + name);
        EXPECT_EQ(paths, expected);
    }

    const CliResult trashed = runCli(Arguments{"trash"} + folders(tree) + Arguments{caches + "/qqvv\xff"});
    EXPECT_EQ(trashed.exitCode, 0) << trashed.err.toStdString();
    EXPECT_FALSE(fs::exists(fs::symlink_status(caches + "/qqvv\xff")));
    EXPECT_TRUE(fs::exists(caches + "/qqvv\xfe"));
}

TEST(CliScan, TheTableAndEveryMessageShowWhatCouldSteerTheTerminalAsEscapes)
{
    TempTree tree;
    const std::string overridden = "qqvv\xe2\x80\xaegol.txt"; // U+202E, right-to-left override
    const std::string separated = "qqvv\xe2\x80\xa8line";     // U+2028, line separator
    // Cut after 28 characters in the APP column, the emoji stays whole.
    tree.makeBundle("Applications/Qqvv \x1b]0;t\x07 Editor \xf0\x9f\x98\x80 Deluxe.app", "org.qqvv.app");
    for (const std::string &name : {overridden, separated, std::string("org.qqvv.app")})
        tree.writeFile("Users/me/Library/Logs/" + name, "x");
    tree.age("Users/me/Library/Logs", 800);
    const auto raw = [](const QByteArray &text) {
        return text.contains('\x1b') || text.contains('\x07') || text.contains("\xe2\x80\xae") ||
               text.contains("\xe2\x80\xa8") || text.contains("\xef\xbf\xbd");
    };

    const CliResult table = runCli(Arguments{"scan"} + folders(tree));
    ASSERT_EQ(table.exitCode, 0) << table.err.toStdString();
    for (const char *shown :
         {"qqvv\\u202egol.txt", "qqvv\\u2028line", "~Qqvv \\x1b]0;t\\x07 Editor \xf0\x9f\x98\x80\xe2\x80\xa6"})
        EXPECT_TRUE(table.out.contains(shown)) << shown << "\n" << table.out.toStdString();
    EXPECT_FALSE(raw(table.out)) << table.out.toStdString();

    const std::string logs = tree.path("Users/me/Library/Logs/").native();
    const CliResult moved = runCli(Arguments{"trash", "--verbose"} + folders(tree) + Arguments{logs + overridden});
    EXPECT_EQ(moved.exitCode, 0) << moved.err.toStdString();
    EXPECT_TRUE(moved.err.contains("Moved to Trash: qqvv\\u202egol.txt")) << moved.err.toStdString();
    const CliResult unlisted = runCli(Arguments{"trash"} + folders(tree) + Arguments{logs + separated + "\x1b[2J"});
    EXPECT_EQ(unlisted.exitCode, 4);
    EXPECT_TRUE(unlisted.err.contains("qqvv\\u2028line\\x1b[2J is not a leftover")) << unlisted.err.toStdString();
    const CliResult unknown = runCli({"scan", "--colour\x1b[31m\xff"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains("unknown option --colour\\x1b[31m\\xff")) << unknown.err.toStdString();
    for (const CliResult *run : {&moved, &unlisted, &unknown})
        EXPECT_FALSE(raw(run->err)) << run->err.toStdString();
}

TEST(CliScan, TheTableIsOrderedByTheSizeItShowsAndItsTotalCountsAFileOnceWhateverItsNames)
{
    TempTree tree;
    // The log is larger than the folders themselves, the folders hold far more: one file under two names.
    tree.writeFile("Users/me/Library/Logs/qqvv.log", std::string(20000, 'a'));
    const fs::path shared = tree.writeFile("Users/me/Library/Caches/qqvv-one/data", std::string(200000, 'b'));
    tree.makeFolder("Users/me/Library/Caches/qqvv-two");
    fs::create_hard_link(shared, tree.path("Users/me/Library/Caches/qqvv-two/data"));
    const Arguments scan = Arguments{"scan"} + folders(tree);

    const CliResult json = runCli(scan + Arguments{"--format", "json"});
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    qint64 total = 0;
    for (const QJsonValue &item : QJsonDocument::fromJson(json.out).array())
        total += item["sizeOnDisk"].toInteger();
    struct stat info {};
    ASSERT_EQ(lstat(shared.c_str(), &info), 0);
    total -= qint64(info.st_blocks) * 512;

    const CliResult table = runCli(scan);
    ASSERT_EQ(table.exitCode, 0) << table.err.toStdString();
    EXPECT_GT(table.out.indexOf("qqvv.log"), table.out.indexOf("qqvv-two")) << table.out.toStdString();
    EXPECT_TRUE(table.out.contains((", " + ByteCountFormatter::fileSize(total) + " in all\n").toUtf8()))
        << ByteCountFormatter::fileSize(total).toStdString() << "\n"
        << table.out.toStdString();
}

TEST(CliScan, AnEndedOrInterruptedDemoLeavesNoFolderBehind)
{
    for (const int signal : {0, SIGINT, SIGTERM}) {
        const TempTree temporary;
        int output[2];
        ASSERT_EQ(CloseOnExecPipe::open(output), 0);
        // The result, more than a pipe holds (64 KiB on Linux and macOS alike), fills it, so the program waits with
        // its demo in place until the signal comes.
        const int err = open("/dev/null", O_WRONLY | O_CLOEXEC);
        const pid_t child =
            startCli({"scan", "--demo", "--format", "json"},
                     CliOptions{.environment = {"TMPDIR=" + temporary.root().native()}}, output[1], err);
        close(output[1]);
        close(err);
        ASSERT_GT(child, 0);
        int status = 0;
        if (signal == 0) {
            char buffer[4096];
            while (read(output[0], buffer, sizeof buffer) > 0) {
            }
            ASSERT_EQ(waitpid(child, &status, 0), child);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        } else {
            bool started = false;
            while (!started && waitpid(child, &status, WNOHANG) == 0) {
                started = !fs::is_empty(temporary.root());
                if (!started)
                    usleep(10000);
            }
            ASSERT_TRUE(started) << "the program ended before it made its demo";
            kill(child, signal);
            ASSERT_EQ(waitpid(child, &status, 0), child);
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal << " " << status;
        }
        close(output[0]);
        EXPECT_TRUE(fs::is_empty(temporary.root())) << signal;
    }
}

TEST(CliRestore, PutsTheLatestItemBackNeverReplacesAndRefusesWhatTheTrashDoesNotHold)
{
    TempTree tree;
    const fs::path log = tree.writeFile("Users/me/Library/Logs/qqvv.log", "older");
    const fs::path odd = tree.writeFile("Users/me/Library/Caches/-qqvv\nodd\xff", "odd");
    const fs::path app = tree.writeFile("Users/me/Library/Application Support/qqvv-app/state", "state");
    tree.makeFolder("Users/me/Documents");
    tree.age("Users/me/Library", 800);
    ASSERT_EQ(runCli(Arguments{"trash"} + folders(tree) +
                     Arguments{"--", log.native(), odd.native(), app.parent_path().native()})
                  .exitCode,
              0);
    const fs::path infoFolder = tree.path("Users/me/.local/share/Trash/info");
    // The first copy of the log was deleted long ago; the second is the latest.
    std::ofstream(infoFolder / "qqvv.log.trashinfo", std::ios::trunc)
        << TrashInfo{log.native(), "2020-01-01T00:00:00"}.text();
    tree.writeFile("Users/me/Library/Logs/qqvv.log", "newer");
    tree.age("Users/me/Library/Logs/qqvv.log", 800);
    ASSERT_EQ(runCli(Arguments{"trash"} + folders(tree) + Arguments{log.native()}).exitCode, 0);

    // One path that the Trash holds nothing from, or that lies outside the scanned folders: nothing goes back.
    for (const std::string &refused :
         {tree.path("Users/me/Library/Logs/none.log").native(), tree.path("Users/me/Documents/qqvv.log").native()}) {
        const CliResult run = runCli(Arguments{"restore"} + folders(tree) + Arguments{log.native(), refused});
        EXPECT_EQ(run.exitCode, 4) << refused;
        EXPECT_TRUE(run.err.endsWith("; nothing was put back\n")) << run.err.toStdString();
        EXPECT_FALSE(fs::exists(log));
    }

    const CliResult restored =
        runCli(Arguments{"restore"} + folders(tree) + Arguments{"--", log.native(), odd.native() + "/", log.native()});
    EXPECT_EQ(restored.exitCode, 0) << restored.err.toStdString();
    EXPECT_EQ(restored.err, QByteArray());
    EXPECT_EQ(TempTree::readFile(log), "newer");
    EXPECT_EQ(TempTree::readFile(odd), "odd");

    // The older copy cannot go where the newer one is now, and the folder of the third is gone: both stay.
    fs::remove_all(tree.path("Users/me/Library/Application Support"));
    const CliResult blocked =
        runCli(Arguments{"restore"} + folders(tree) + Arguments{log.native(), app.parent_path().native()});
    EXPECT_EQ(blocked.exitCode, 1);
    EXPECT_TRUE(blocked.err.contains(QByteArray::fromStdString(
        "leftscan-cli: " + log.native() + " was not put back: Something else is now in its place\n")))
        << blocked.err.toStdString();
    EXPECT_TRUE(blocked.err.contains("qqvv-app was not put back: Its folder "));
    EXPECT_TRUE(blocked.err.contains("no longer exists"));
    EXPECT_EQ(TempTree::readFile(log), "newer");
    EXPECT_FALSE(fs::exists(tree.path("Users/me/Library/Application Support")));
    EXPECT_EQ(std::distance(fs::directory_iterator(infoFolder), fs::directory_iterator()), 2);
}

TEST(CliScan, TheTableAndMessagesSpeakTheUsersLanguageAndJsonAndCsvStayAsTheyAre)
{
    TempTree tree;
    tree.writeFile("Users/me/Library/Logs/qqvv.log", std::string(1'500'000, 'x'));
    tree.age("Users/me/Library/Logs/qqvv.log", 3);
    const Arguments scan = Arguments{"scan", "--no-sizes"} + folders(tree);
    // As with gettext, LANGUAGE comes first, even over a C locale, and a language without a translation is passed
    // over for the next.
    const CliOptions german{.environment = {"LANGUAGE=fr:de", "LC_ALL=C"}};
    const CliOptions english{.removedEnvironment = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}};

    const CliResult table = runCli(scan, german);
    ASSERT_EQ(table.exitCode, 0) << table.err.toStdString();
    for (const char *text : {"RISIKO", "GRÖSSE", "ZULETZT GENUTZT", "1,5 MB", "vor 3 Tagen",
                             "1 Überrest, davon 0 verwaist, 1,5 MB insgesamt"})
        EXPECT_TRUE(table.out.contains(text)) << text << '\n' << table.out.toStdString();
    for (const char *format : {"json", "csv"}) {
        const Arguments formatted = scan + Arguments{"--format", format};
        EXPECT_EQ(runCli(formatted, german).out, runCli(formatted, english).out) << format;
    }

    EXPECT_EQ(runCli({"bogus"}, german).err, "leftscan-cli: unbekannter Befehl bogus (siehe --help)\n");
    EXPECT_EQ(
        runCli({"bogus"}, CliOptions{.environment = {"LANG=de_DE.UTF-8"}, .removedEnvironment = {"LANGUAGE"}}).err,
        "leftscan-cli: unbekannter Befehl bogus (siehe --help)\n");
    EXPECT_EQ(runCli({"bogus"}, CliOptions{.environment = {"LANGUAGE=en", "LANG=de_DE.UTF-8"}}).err,
              "leftscan-cli: unknown command bogus (try --help)\n");
    EXPECT_EQ(runCli({"bogus"}, english).err, "leftscan-cli: unknown command bogus (try --help)\n");
}
