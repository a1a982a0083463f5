// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inventory/InstalledAppScanner.h"
#include "InventoryAssertions.h"
#include "LogCapture.h"
#include "RunningBundle.h"
#include "TempTree.h"
#include "Unprivileged.h"
#include "platform/PosixPlatform.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

class InventoryTest : public ::testing::Test {
protected:
    Inventory scan() const
    {
        const PosixPlatform platform(m_tree.root(), home());
        return InstalledAppScanner(platform).scanInstalledApps();
    }
    fs::path home() const { return m_tree.path("Users/me"); }
    InstalledApp record(const char *name, const char *bundleID, const char *relative,
                        std::optional<QString> version = std::nullopt) const
    {
        return InstalledApp{QString::fromUtf8(name), QString::fromUtf8(bundleID),
                            InstalledApp::urlOf(m_tree.path(relative)), std::move(version)};
    }

    TempTree m_tree;
    LogCapture m_log;
};

} // namespace

TEST_F(InventoryTest, AnApplicationIsIndexedUnderItsIdentifierNameKeywordsHelpersAndPropertyListStrings)
{
    PropertyListWriter odd = PropertyListWriter::array();
    for (const char *text : {"a..bcdef", "1.2.3", "10.1.1", ".leading.dot", "trailing.dot.", "no dots here"})
        odd.appendString(text);
    odd.append(
           PropertyListWriter::dictionary().set("deep", PropertyListWriter::array().appendString("Org.Example.Nested")))
        .appendString("\xC3\x9Cn\xC3\xAF.Code")
        .append(PropertyListWriter::integer(12))
        .append(PropertyListWriter::boolean(true));
    m_tree.makeBundle(
        "Applications/GoogleChrome.app",
        TempTree::infoPlist("com.google.Chrome", "120.0")
            .set("CFBundleURLTypes",
                 PropertyListWriter::array().append(
                     PropertyListWriter::dictionary()
                         .setString("CFBundleURLName", "com.google.chrome.url")
                         .set("CFBundleURLSchemes", PropertyListWriter::array().appendString("http://x.example/a.b"))))
            .set("Odd", std::move(odd)));
    m_tree.makeBundle("Applications/GoogleChrome.app/Contents/Helpers/MyAppHelper.app", "com.google.Chrome.helper");
    m_tree.makeBundle("Applications/GoogleChrome.app/Contents/Helpers/Helper.app", "com.google.skipped");
    m_tree.writeFile("Applications/GoogleChrome.app/Contents/MacOS/GoogleChrome", "exe");
    m_tree.writeFile("Applications/GoogleChrome.app/Contents/Resources/app.icns", "icon");
    m_tree.makeBundle("Applications/GoogleChrome.app/Contents/XPCServices/Renderer.xpc", "com.google.Chrome.renderer");

    const Inventory inventory = scan();
    EXPECT_EQ(sortedKeys(inventory),
              sortedList({"com.google.chrome", "name:googlechrome", "keyword:google", "keyword:chrome",
                          "keyword:googlechrome", "helper:myapphelper", "com.google.chrome.helper", "keyword:helper",
                          "keyword:myapphelper", "helper:googlechrome", "helper:renderer", "com.google.chrome.renderer",
                          "keyword:renderer", "com.google.chrome.url", "10.1.1", "org.example.nested",
                          "\xC3\xBCn\xC3\xAF.code"}));
    const InstalledApp chrome =
        record("GoogleChrome", "com.google.Chrome", "Applications/GoogleChrome.app", QStringLiteral("120.0"));
    for (auto it = inventory.cbegin(); it != inventory.cend(); ++it)
        EXPECT_EQ(it.value(), chrome) << it.key().toStdString();
}

TEST_F(InventoryTest, FolderListingWorkspaceWalkAndSystemIdentifiers)
{
    m_tree.makeBundle("Applications/Safari.app", "com.apple.Safari");
    m_tree.makeBundle("Applications/Vendor/Visual Studio Code.app", "com.microsoft.VSCode");
    m_tree.makeBundle("Applications/Utilities/Disk Tool.app", "org.example.disktool");
    m_tree.makeBundle("Applications/Outer.app/Contents/Applications/Inner.app", "org.example.inner");
    m_tree.makeBundle("Applications/Outer.app", "org.example.outer");
    m_tree.makeBundle("System/Applications/Calculator.app", "com.apple.calculator");
    m_tree.makeBundle("System/Applications/Utilities/Third.app", "org.example.third");
    m_tree.makeBundle("Users/me/Applications/HomeApp.app", "org.example.HomeApp");
    m_tree.writeFile("Applications/NotAnApp.txt", "x");
    m_tree.makeBundle("Applications/Upper.APP", "org.example.upper");

    const Inventory inventory = scan();
    EXPECT_TRUE(inventory.contains(QStringLiteral("com.apple.safari")));
    EXPECT_TRUE(inventory.contains(QStringLiteral("keyword:visual studio code")));
    EXPECT_TRUE(inventory.contains(QStringLiteral("keyword:vscode")));
    EXPECT_TRUE(inventory.contains(QStringLiteral("keyword:microsoft")));
    EXPECT_TRUE(inventory.contains(QStringLiteral("org.example.disktool")));
    EXPECT_TRUE(inventory.contains(QStringLiteral("org.example.third")));
    EXPECT_EQ(inventory.value(QStringLiteral("name:homeapp")),
              record("HomeApp", "org.example.HomeApp", "Users/me/Applications/HomeApp.app"));
    EXPECT_FALSE(inventory.contains(QStringLiteral("com.apple.calculator")));
    EXPECT_FALSE(inventory.contains(QStringLiteral("org.example.inner")));
    EXPECT_FALSE(inventory.contains(QStringLiteral("org.example.upper")));
    // Three-letter identifier parts give no keyword.
    EXPECT_FALSE(inventory.contains(QStringLiteral("keyword:org")));
}

TEST_F(InventoryTest, ARunningApplicationReplacesTheFolderRecordUnderSharedKeys)
{
    m_tree.makeBundle(
        "Applications/Sleepy.app",
        TempTree::infoPlist("com.example.sleepy", "3.0").setString("CFBundleDisplayName", "Sleepy Display"));
    const RunningBundle running(m_tree.path("Applications/Sleepy.app/Contents/MacOS/Sleepy"));

    const Inventory inventory = scan();
    const InstalledApp folder =
        record("Sleepy", "com.example.sleepy", "Applications/Sleepy.app", QStringLiteral("3.0"));
    const InstalledApp process = record("Sleepy Display", "com.example.sleepy", "Applications/Sleepy.app");
    EXPECT_EQ(inventory.value(QStringLiteral("com.example.sleepy")), process);
    EXPECT_EQ(inventory.value(QStringLiteral("name:sleepy")), folder);
    EXPECT_EQ(inventory.value(QStringLiteral("name:sleepy display")), process);
    EXPECT_EQ(inventory.value(QStringLiteral("keyword:sleepy")), process);
    EXPECT_EQ(inventory.value(QStringLiteral("keyword:example")), process);
    EXPECT_EQ(inventory.value(QStringLiteral("helper:sleepy")), process);
}

TEST_F(InventoryTest, ReceiptsFrameworksToolsJavaAndPackageManagers)
{
    m_tree.writeFile("Users/me/Library/Receipts/com.vendor.product.pkg");
    m_tree.writeFile("Users/me/Library/Receipts/nodot.pkg");
    m_tree.writeFile("Users/me/Library/Receipts/A.b.bom");
    m_tree.makeFolder("Library/Frameworks/Foo.framework");
    m_tree.makeFolder("Users/me/Library/Frameworks/Foo.framework");
    m_tree.makeFolder("System/Library/Frameworks/Foo.framework");
    m_tree.makeFolder("System/Library/Frameworks/CoreData.framework");
    m_tree.makeFolder("System/Library/Frameworks/WebKitLegacy.framework");
    for (const char *tool : {"usr/local/bin/git", "usr/local/bin/ls", "usr/local/bin/jq", "usr/local/bin/Tool-X",
                             "opt/local/bin/port", "Users/me/.local/bin/mytool", "usr/local/bin/.hidden"})
        m_tree.writeFile(tool, "#!/bin/sh\n");
    m_tree.makeFolder("Library/Java/JavaVirtualMachines/jdk-17.jdk");
    m_tree.makeFolder("Users/me/Library/Java/JavaVirtualMachines/zulu-JRE8.jre");
    m_tree.makeFolder("opt/homebrew/Cellar/wget/1.21");
    m_tree.makeFolder("usr/local/Cellar/Jq");
    m_tree.makeFolder("opt/local/var/macports/registry/portfiles/wget");

    const Inventory inventory = scan();
    EXPECT_EQ(sortedKeys(inventory).join(u' ').toStdString(),
              "brew:jq brew:wget com.oracle.java framework:foo framework:java framework:webkitlegacy java "
              "keyword:foo keyword:git keyword:homebrew keyword:java keyword:jdk keyword:jq keyword:jre "
              "keyword:kit keyword:legacy keyword:local keyword:mytool keyword:port keyword:tool-x keyword:web "
              "keyword:webkitlegacy keyword:wget port:wget receipt-component:com receipt-component:product "
              "receipt-component:vendor receipt:a.b receipt:com.vendor.product tool:git tool:homebrew "
              "tool:java tool:local tool:mytool tool:port tool:tool-x");

    EXPECT_EQ(inventory.value(QStringLiteral("receipt-component:vendor")),
              record("product", "com.vendor.product", "Users/me/Library/Receipts/com.vendor.product.pkg"));
    EXPECT_EQ(inventory.value(QStringLiteral("framework:foo")),
              record("Foo", "framework.foo", "System/Library/Frameworks/Foo.framework"));
    EXPECT_EQ(inventory.value(QStringLiteral("keyword:tool-x")),
              record("Tool-X", "tool.tool-x", "usr/local/bin/Tool-X"));
    const InstalledApp zulu =
        record("Java (zulu-JRE8.jre)", "com.oracle.java", "Users/me/Library/Java/JavaVirtualMachines/zulu-JRE8.jre",
               QStringLiteral("zulu-JRE8.jre"));
    EXPECT_EQ(inventory.value(QStringLiteral("java")), zulu);
    EXPECT_EQ(inventory.value(QStringLiteral("tool:java")), zulu);
    EXPECT_EQ(inventory.value(QStringLiteral("keyword:jre")), zulu);
    EXPECT_EQ(inventory.value(QStringLiteral("keyword:jdk")).name, QStringLiteral("Java (jdk-17.jdk)"));
    EXPECT_EQ(inventory.value(QStringLiteral("brew:jq")), record("Jq", "brew.jq", "usr/local/Cellar/Jq"));
    EXPECT_EQ(inventory.value(QStringLiteral("keyword:wget")),
              record("wget", "macports.wget", "opt/local/var/macports/registry/portfiles/wget"));

    const QStringList lines = m_log.lines();
    const QString java = QString::fromUtf8("☕️ Java installation(s) found");
    EXPECT_EQ(lines.count(java), 1);
    EXPECT_EQ(lines.indexOf(java), lines.indexOf(QString::fromUtf8("🔍 Scanning system tools...")) + 1);
}

TEST_F(InventoryTest, ApplicationSupportFoldersAreTiedToInstalledApplications)
{
    m_tree.makeBundle("Applications/GoogleChrome.app", "com.google.Chrome");
    m_tree.makeBundle("Applications/Utilities/iTerm2.app", "com.googlecode.iterm2");
    m_tree.makeBundle("Applications/Editor.app", "com.microsoft.VSCode");
    for (const char *folder : {"Google", "ITERM2", "com.googlecode.iterm2.backup", "microsoftstuff", "Apple",
                               "CoreData", "Unrelated Stuff", ".hidden"})
        m_tree.makeFolder(std::string("Users/me/Library/Application Support/") + folder);

    const Inventory inventory = scan();
    const InstalledApp chrome = record("GoogleChrome", "com.google.Chrome", "Applications/GoogleChrome.app");
    const InstalledApp iterm = record("iTerm2", "com.googlecode.iterm2", "Applications/Utilities/iTerm2.app");
    const InstalledApp code = record("Editor", "com.microsoft.VSCode", "Applications/Editor.app");
    EXPECT_EQ(inventory.value(QStringLiteral("appsupport:google")), chrome);
    EXPECT_EQ(inventory.value(QStringLiteral("appsupport:iterm2")), iterm);
    // A name match wins over the identifier-part match "googlecode".
    EXPECT_EQ(inventory.value(QStringLiteral("appsupport:com.googlecode.iterm2.backup")), iterm);
    EXPECT_EQ(inventory.value(QStringLiteral("appsupport:microsoftstuff")), code);
    // Apple's, the system's, unrelated and hidden folders are tied to nothing.
    EXPECT_EQ(sortedKeys(inventory).filter(QStringLiteral("appsupport:")),
              sortedList({"appsupport:google", "appsupport:iterm2", "appsupport:com.googlecode.iterm2.backup",
                          "appsupport:microsoftstuff"}));
}

TEST_F(InventoryTest, EveryStepLogsItsLinesInOrderEvenWhenNothingIsThere)
{
    const Inventory inventory = scan();
    EXPECT_TRUE(inventory.isEmpty());
    const QString homeText = QString::fromUtf8(home().c_str());
    const QString root = QString::fromUtf8(m_tree.root().c_str());
    QStringList expected;
    for (const char *line :
         {"🔍 Starting app scan...", "🔍 Requesting admin authorization...",
          "⚠️ Admin authorization skipped (background thread compatibility)", "✅ Admin authorization completed"})
        expected.append(QString::fromUtf8(line));
    expected.append(QStringLiteral("🔍 Scanning directory: ") + root + QStringLiteral("/Applications"));
    expected.append(QStringLiteral("🔍 Scanning directory: ") + root + QStringLiteral("/Applications/Utilities"));
    expected.append(QStringLiteral("🔍 Scanning directory: ") + homeText + QStringLiteral("/Applications"));
    for (const char *line :
         {"✅ Directory scanning completed", "🔍 Scanning via Workspace...", "✅ Workspace scan completed",
          "🔍 Scanning LaunchServices database...", "✅ LaunchServices scan completed", "🔍 Scanning running processes...",
          "✅ Running processes scan completed", "🔍 Scanning receipts directory...", "✅ Receipts scan completed",
          "🔍 Scanning Application Support...", "✅ Application Support scan completed", "🔍 Scanning frameworks...",
          "✅ Frameworks scan completed", "🔍 Scanning system tools...", "✅ System tools scan completed",
          "🔍 Scanning Homebrew and MacPorts...", "✅ Homebrew/MacPorts scan completed", "🔍 Cleaning up authorization...",
          "✅ App scan fully completed with 0 entries"})
        expected.append(QString::fromUtf8(line));
    EXPECT_EQ(m_log.lines(), expected);
}

TEST_F(InventoryTest, ACancelledInventoryOpensNoFurtherBundleAndListsNoFurtherSource)
{
    // Cancels as the third bundle is opened.
    class CancellingPlatform : public PosixPlatform {
    public:
        using PosixPlatform::PosixPlatform;
        mutable std::atomic<bool> cancelled = false;
        mutable int opened = 0;
        std::optional<Bundle> openBundle(const fs::path &path) const override
        {
            if (++opened == 3)
                cancelled = true;
            return PosixPlatform::openBundle(path);
        }
    };
    for (int i = 0; i < 20; ++i)
        m_tree.makeBundle("Applications/Qqvv" + std::to_string(i) + ".app", "org.qqvv.app" + std::to_string(i));
    m_tree.writeFile("Users/me/Library/Receipts/org.qqvv.pkg.bom");
    m_tree.makeFolder("usr/local/bin/qqvvtool");
    const CancellingPlatform platform(m_tree.root(), home());

    // One reader: with several, a bundle already being opened when the cancel comes is still read.
    InstalledAppScanner scanner(platform, &platform.cancelled);
    scanner.setWorkers(1);
    const Inventory inventory = scanner.scanInstalledApps();

    EXPECT_EQ(platform.opened, 3);
    EXPECT_FALSE(inventory.contains(QStringLiteral("receipt:org.qqvv.pkg.bom")));
    EXPECT_FALSE(inventory.contains(QStringLiteral("tool:qqvvtool")));
    EXPECT_EQ(m_log.lines().last(), QString::fromUtf8("⚠️ App scan cancelled"));
}

TEST_F(InventoryTest, BadBundlesAndOddNamesAreSkippedWhereTheyStand)
{
    m_tree.makeBundle("Applications/Good.app", "org.example.good");
    m_tree.makeSymlink("Applications/Loop", ".");
    m_tree.makeSymlink("Applications/Vendor/Up", "../..");
    m_tree.makeSymlink("Applications/Broken.app", "missing.app");
    m_tree.makeSymlink("Applications/Linked.app", "Good.app");
    m_tree.makeFolder("Applications/NoPlist.app/Contents/MacOS");
    m_tree.writeFile("Applications/Malformed.app/Contents/Info.plist", "<plist><dict><key>CFBundleIdentifier</key>");
    m_tree.writeFile("Applications/Truncated.app/Contents/Info.plist", "bplist00\xd1\x01\x02");
    PropertyListWriter large = PropertyListWriter::array();
    const std::string payload(1000, 'y');
    for (int i = 0; i < 2100; ++i)
        large.appendString("org.example.item" + std::to_string(i) + "." + payload);
    m_tree.makeBundle("Applications/Large.app",
                      TempTree::infoPlist("org.example.large").set("Items", std::move(large)));
    m_tree.makeBundle("Applications/quote's \"odd\"\nname\xff.app", "org.example.odd");
    m_tree.makeBundle("Applications/Good.app/Contents/Helpers/Helper\nWith\xfe Bytes.app", "org.example.helperbytes");

    const Inventory inventory = scan();
    EXPECT_TRUE(inventory.contains(QStringLiteral("org.example.good")));
    EXPECT_TRUE(inventory.contains(QStringLiteral("org.example.helperbytes")));
    EXPECT_TRUE(inventory.contains(QStringLiteral("org.example.large")));
    EXPECT_GT(inventory.size(), 2000);
    const InstalledApp odd = inventory.value(QStringLiteral("org.example.odd"));
    EXPECT_EQ(odd.name, QString::fromUtf8("quote's \"odd\"\nname\xff"));
    EXPECT_EQ(odd.path(), m_tree.path("Applications/quote's \"odd\"\nname\xff.app"));
    EXPECT_TRUE(inventory.contains(QStringLiteral("name:") + odd.name.toLower()));
    // The link to Good.app is a bundle of its own name in the listing.
    EXPECT_EQ(inventory.value(QStringLiteral("name:linked")).bundleID, QStringLiteral("org.example.good"));
}

TEST_F(InventoryTest, UnreadableFoldersAreSkippedWithoutStoppingTheOthers)
{
    m_tree.makeBundle("Applications/Open.app", "org.example.open");
    m_tree.makeBundle("Applications/Locked/Secret.app", "org.example.secret");
    m_tree.makeBundle("Applications/Shut.app", "org.example.shut");
    m_tree.makeFolder("Users/me/Library/Receipts");
    m_tree.writeFile("Users/me/Library/Frameworks/Bar.framework/x");
    m_tree.writeFile("usr/local/bin/tool1");
    fs::permissions(m_tree.root(), fs::perms(0755));
    chmod(m_tree.path("Applications/Locked").c_str(), 0);
    chmod(m_tree.path("Applications/Shut.app/Contents").c_str(), 0);
    chmod(m_tree.path("Users/me/Library/Receipts").c_str(), 0);
    chmod(m_tree.path("usr/local/bin").c_str(), 0311);

    const auto keys = runUnprivileged([&] {
        const PosixPlatform platform(m_tree.root(), home());
        return sortedKeys(InstalledAppScanner(platform).scanInstalledApps()).join(u' ').toStdString();
    });
    ASSERT_TRUE(keys);
    // Shut.app, whose Info.plist cannot be read, is still installed, by its name.
    EXPECT_EQ(*keys, "framework:bar keyword:bar keyword:example keyword:open keyword:shut name:open name:shut "
                     "org.example.open");
}

TEST_F(InventoryTest, AnIdentifierStaysWithTheFirstBundleWhoseOwnItIs)
{
    m_tree.makeBundle("Applications/Alpha.app", "com.example.alpha");
    // Beta mentions Alpha's identifier, and its Resources lead back up and out of its bundle to Alpha.
    m_tree.makeBundle("Applications/Beta.app",
                      TempTree::infoPlist("com.example.beta")
                          .set("Mentions", PropertyListWriter::array().appendString("com.example.alpha")));
    m_tree.makeBundle("Applications/Beta.app/Contents/Helpers/Worker.app", "com.example.beta.worker");
    m_tree.makeSymlink("Applications/Beta.app/Contents/PlugIns/Alpha.app", "../../../Alpha.app");
    m_tree.makeSymlink("Applications/Beta.app/Contents/Resources", "../..");
    // Gamma mentions Beta's helper; a second bundle with Alpha's identifier comes later.
    m_tree.makeBundle("Applications/Gamma.app",
                      TempTree::infoPlist("com.example.gamma")
                          .set("Mentions", PropertyListWriter::array().appendString("com.example.beta.worker")));
    m_tree.makeBundle("Users/me/Applications/Alpha Copy.app", "com.example.alpha");

    const Inventory inventory = scan();
    EXPECT_EQ(inventory.value("com.example.alpha").path(), m_tree.path("Applications/Alpha.app"));
    EXPECT_EQ(inventory.value("com.example.beta.worker").path(), m_tree.path("Applications/Beta.app"));
    EXPECT_EQ(inventory.value("com.example.gamma").path(), m_tree.path("Applications/Gamma.app"));
    EXPECT_FALSE(inventory.contains("helper:gamma"));
    EXPECT_EQ(inventory.value("name:alpha copy").path(), m_tree.path("Users/me/Applications/Alpha Copy.app"));
}
