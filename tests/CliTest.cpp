#include "QtPrinters.h"
#include "TempTree.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <sys/xattr.h>

namespace fs = std::filesystem;

namespace {

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

CliResult runCli(const QStringList &arguments, const QString &workingDirectory = {})
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(QString::fromLocal8Bit(qgetenv("LEFTSCAN_CLI")), arguments);
    process.waitForFinished(120000);
    return CliResult{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                     process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

TEST(CliInventory, JsonIsOneSortedArrayOfRecordsAndTheLogGoesToStandardError)
{
    TempTree tree;
    tree.makeBundle("Applications/Beta \"Quoted\".app", "org.example.beta", "1.0");
    tree.writeFile("usr/local/bin/gamma");
    const QString root = QString::fromUtf8(tree.root().c_str());

    const CliResult run = runCli({QStringLiteral("inventory"), QStringLiteral("--root"), root, QStringLiteral("--home"),
                                  root, QStringLiteral("--format=json")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("✅ App scan fully completed with"));
    EXPECT_FALSE(run.out.contains("🔍"));

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out, &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    const QJsonArray array = document.array();
    ASSERT_FALSE(array.isEmpty());
    QString previous;
    for (const QJsonValue &value : array) {
        const QJsonObject object = value.toObject();
        EXPECT_EQ(object.keys(), (QStringList{QStringLiteral("bundleID"), QStringLiteral("key"), QStringLiteral("name"),
                                              QStringLiteral("url"), QStringLiteral("version")}));
        EXPECT_LT(previous, object[QStringLiteral("key")].toString());
        previous = object[QStringLiteral("key")].toString();
        EXPECT_TRUE(object[QStringLiteral("url")].toString().startsWith(root + u'/'));
    }
    const auto find = [&](const QString &key) {
        for (const QJsonValue &value : array) {
            if (value[QStringLiteral("key")].toString() == key)
                return value.toObject();
        }
        return QJsonObject();
    };
    const QJsonObject beta = find(QStringLiteral("org.example.beta"));
    EXPECT_EQ(beta[QStringLiteral("name")].toString(), QStringLiteral("Beta \"Quoted\""));
    EXPECT_EQ(beta[QStringLiteral("version")].toString(), QStringLiteral("1.0"));
    EXPECT_EQ(beta[QStringLiteral("url")].toString(), root + QStringLiteral("/Applications/Beta \"Quoted\".app"));
    EXPECT_TRUE(find(QStringLiteral("tool:gamma"))[QStringLiteral("version")].isNull());
}

TEST(CliInventory, TableIsAlignedAndRelativeFoldersBecomeAbsolute)
{
    TempTree tree;
    tree.makeBundle("mac/Applications/Alpha.app", "org.example.alpha");
    tree.makeFolder("mac/Users/me");
    const CliResult run = runCli({QStringLiteral("inventory"), QStringLiteral("--root"), QStringLiteral("mac"),
                                  QStringLiteral("--home"), QStringLiteral("mac/Users/me")},
                                 QString::fromUtf8(tree.root().c_str()));
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
    const QString root = QString::fromUtf8(tree.root().c_str());
    for (const QStringList &arguments :
         {QStringList{QStringLiteral("inventory"), QStringLiteral("--bogus")},
          QStringList{QStringLiteral("inventory"), QStringLiteral("--root"), root + QStringLiteral("/missing")},
          QStringList{QStringLiteral("inventory"), QStringLiteral("--root"), root, QStringLiteral("--home"),
                      root + QStringLiteral("/nohome")},
          QStringList{QStringLiteral("inventory"), QStringLiteral("--format"), QStringLiteral("xml")},
          QStringList{QStringLiteral("inventory"), QStringLiteral("--root")}, QStringList{QStringLiteral("frobnicate")},
          QStringList{}}) {
        const CliResult run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_EQ(runCli({QStringLiteral("--help")}).exitCode, 0);
}

TEST(CliCatalogue, JsonListsEveryRowInOrder)
{
    const CliResult run = runCli({QStringLiteral("catalogue"), QStringLiteral("--format"), QStringLiteral("json")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonArray rows = QJsonDocument::fromJson(run.out).array();
    ASSERT_EQ(rows.size(), 1106);
    EXPECT_EQ(rows[0].toObject().keys(),
              (QStringList{QStringLiteral("bundleID"), QStringLiteral("keyword"), QStringLiteral("name")}));
    EXPECT_EQ(rows[177][QStringLiteral("bundleID")].toString(), QStringLiteral("com.apple.zoom"));
    EXPECT_EQ(rows[891][QStringLiteral("keyword")].toString(), QStringLiteral("driveDx"));
}

TEST(CliScan, JsonCsvAndExitStatuses)
{
    TempTree tree;
    tree.makeBundle("Applications/Zzqx.app", "org.zzqx.app");
    tree.writeFile("Users/me/Library/Caches/org.zzqx.app/data", "x");
    tree.writeFile("Users/me/Library/Logs/qqvv, \"quoted\".log", "x");
    const QString root = QString::fromUtf8(tree.root().c_str());
    const QString home = root + QStringLiteral("/Users/me");

    const CliResult json = runCli({QStringLiteral("scan"), QStringLiteral("--root"), root, QStringLiteral("--home"),
                                   home, QStringLiteral("--format"), QStringLiteral("json")});
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QJsonArray items = QJsonDocument::fromJson(json.out).array();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].toObject().keys(),
              (QStringList{"bundleIdentifier", "category", "creationDate", "evidence", "fileSize", "lastModified",
                           "lastOpened", "lastUsed", "matchedAppName", "name", "path", "risk", "status"}));
    EXPECT_EQ(items[1][QStringLiteral("bundleIdentifier")].toString(), QStringLiteral("org.zzqx.app"));
    EXPECT_EQ(items[1][QStringLiteral("evidence")].toString(), QStringLiteral("inventory key org.zzqx.app"));
    EXPECT_TRUE(items[1][QStringLiteral("lastOpened")].isNull());
    EXPECT_TRUE(items[1][QStringLiteral("lastModified")].toString().endsWith(u'Z'));

    const CliResult csv =
        runCli({QStringLiteral("scan"), QStringLiteral("--root"), root, QStringLiteral("--home"), home,
                QStringLiteral("--format=csv"), QStringLiteral("--threshold"), QStringLiteral("0")});
    ASSERT_EQ(csv.exitCode, 0);
    EXPECT_TRUE(csv.out.startsWith("path,name,category,status,risk,"));
    EXPECT_TRUE(csv.out.contains(",\"qqvv, \"\"quoted\"\".log\",Logs,"));
    EXPECT_EQ(csv.out.count("\r\n"), 3);

    EXPECT_EQ(runCli({QStringLiteral("scan"), QStringLiteral("--threshold"), QStringLiteral("soon")}).exitCode, 2);
    const CliResult refused = runCli({QStringLiteral("scan"), QStringLiteral("--root"), root, QStringLiteral("--home"),
                                      root + QStringLiteral("/Applications")});
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_TRUE(refused.err.contains("Cannot read the Library folder"));
}

TEST(CliScan, TrashAndTagActOnlyOnListedEntries)
{
    TempTree tree;
    tree.writeFile("Users/me/Library/Caches/qqvv-cache/data", "x");
    tree.writeFile("Users/me/Library/Logs/qqvv.log", "x");
    tree.writeFile("Users/me/Documents/precious.txt", "keep");
    const QString root = QString::fromUtf8(tree.root().c_str());
    const QString home = root + QStringLiteral("/Users/me");
    const QStringList folders = {QStringLiteral("--root"), root, QStringLiteral("--home"), home};

    const CliResult refused = runCli(
        QStringList{QStringLiteral("trash")} + folders +
        QStringList{home + QStringLiteral("/Library/Logs/qqvv.log"), home + QStringLiteral("/Documents/precious.txt")});
    EXPECT_EQ(refused.exitCode, 4);
    EXPECT_TRUE(fs::exists(tree.path("Users/me/Documents/precious.txt")));
    EXPECT_TRUE(fs::exists(tree.path("Users/me/Library/Logs/qqvv.log")));

    const CliResult trashed = runCli(QStringList{QStringLiteral("trash")} + folders +
                                     QStringList{home + QStringLiteral("/Library/Logs/qqvv.log")});
    EXPECT_EQ(trashed.exitCode, 0) << trashed.err.toStdString();
    EXPECT_FALSE(fs::exists(tree.path("Users/me/Library/Logs/qqvv.log")));
    EXPECT_TRUE(fs::exists(tree.path("Users/me/.local/share/Trash/files/qqvv.log")));

    EXPECT_EQ(runCli(QStringList{QStringLiteral("tag")} + folders +
                     QStringList{QStringLiteral("mauve"), home + QStringLiteral("/Library/Caches/qqvv-cache")})
                  .exitCode,
              2);
    const CliResult tagged =
        runCli(QStringList{QStringLiteral("tag")} + folders +
               QStringList{QStringLiteral("green"), home + QStringLiteral("/Library/Caches/qqvv-cache")});
    if (tagged.exitCode == 0) {
        char value[64] = {};
        const ssize_t length = lgetxattr(tree.path("Users/me/Library/Caches/qqvv-cache").c_str(), "user.xdg.tags",
                                         value, sizeof value - 1);
        EXPECT_EQ(std::string(value, std::size_t(std::max<ssize_t>(length, 0))), "Green");
    } else {
        // A file system without user attributes: the failure is reported, not hidden.
        EXPECT_EQ(tagged.exitCode, 1);
        EXPECT_TRUE(tagged.err.contains("was not tagged"));
    }
}
