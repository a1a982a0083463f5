#include "scanner/RemovalGuard.h"
#include "QtPrinters.h"
#include "TempTree.h"
#include "platform/PosixPlatform.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(RemovalGuard, RefusesWhatIsOrHoldsTheHomeTheRootTheirLibrariesALocationOrAnApplication)
{
    TempTree tree;
    tree.writeFile("Users/me/Library/Caches/qqvv");
    tree.makeBundle("Users/me/Library/Caches/holder/Tool.app", "org.qqvv.tool");
    tree.makeSymlink("Users/me/Library/Caches/home-link", "../..");
    tree.writeFile("Users/me/Documents/precious.txt");
    tree.writeFile("Library/LaunchDaemons/org.qqvv.plist");
    const PosixPlatform platform(tree.root(), tree.path("Users/me"));
    const fs::path bundle = tree.path("Users/me/Library/Caches/holder/Tool.app");
    const RemovalGuard guard(platform, {bundle});
    const QString caches = QString::fromStdString(tree.path("Users/me/Library/Caches").native());
    const QString daemons = QString::fromStdString(tree.path("Library/LaunchDaemons").native());
    const QString application = QString::fromStdString(bundle.native());

    const std::vector<std::pair<std::string, QString>> cases = {
        {"Users/me/Library/Caches/qqvv", QString()},
        {"Users/me/Library/Caches/home-link", QString()}, // the link itself, never its target
        {"Library/LaunchDaemons/org.qqvv.plist", QString()},
        {"Users/me/Library/Caches/holder", QStringLiteral("It holds the application ") + application},
        {"Users/me/Library/Caches/holder/Tool.app", QStringLiteral("It is the application ") + application},
        {"Users/me", QStringLiteral("It is the home folder")},
        {"Users", QStringLiteral("It holds the home folder")},
        {"", QStringLiteral("It holds the home folder")},
        {"Users/me/Library", QStringLiteral("It is the Library folder of the home")},
        {"Users/me/Library/Caches", QStringLiteral("It is the scanned folder ") + caches},
        {"Library/LaunchDaemons", QStringLiteral("It is the scanned folder ") + daemons},
        {"Library", QStringLiteral("It is the Library folder of the root")},
        {"Users/me/Library/Caches/home-link/Documents",
         QStringLiteral("It is not in a Library folder that a scan lists")},
        {"Users/me/Library/Caches/home-link/Library", QStringLiteral("It is the Library folder of the home")},
        {"Users/me/Library/Gone/qqvv", QStringLiteral("It no longer exists")},
    };
    for (const auto &[relative, reason] : cases)
        EXPECT_EQ(guard.refusal(tree.path(relative)).value_or(QString()), reason) << relative;
}

TEST(RemovalGuard, ALocationFolderThatBecameALinkListsNothingThatMayBeActedOn)
{
    TempTree tree;
    tree.writeFile("Users/me/Library/Caches/qqvv");
    tree.writeFile("Users/me/Documents/precious.txt");
    const PosixPlatform platform(tree.root(), tree.path("Users/me"));
    EXPECT_EQ(RemovalGuard(platform, {}).refusal(tree.path("Users/me/Library/Caches/qqvv")), std::nullopt);

    fs::rename(tree.path("Users/me/Library/Caches"), tree.path("Users/me/Library/Caches.old"));
    tree.makeSymlink("Users/me/Library/Caches", "Caches.old");
    EXPECT_EQ(RemovalGuard(platform, {}).refusal(tree.path("Users/me/Library/Caches/qqvv")),
              QStringLiteral("It is not in a Library folder that a scan lists"));
}
