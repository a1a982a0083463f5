#include "QtPrinters.h"
#include "TempTree.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

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
