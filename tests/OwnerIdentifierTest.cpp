// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identification/OwnerIdentifier.h"
#include "InventoryAssertions.h"
#include "LiteralEvidenceStages.h"
#include "LogCapture.h"
#include "TempTree.h"
#include "identification/AppIdentifierService.h"
#include "inventory/InstalledAppScanner.h"
#include "platform/PathNames.h"
#include "platform/PosixPlatform.h"
#include "platform/TextLimits.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

#include <random>

namespace fs = std::filesystem;

namespace {

class OwnerTest : public ::testing::Test {
protected:
    OwnerTest()
        : m_platform(m_tree.root(), m_tree.path("Users/me"))
    {}

    OwnerIdentification identify(const char *relative)
    {
        if (!m_identifier) {
            const LogCapture quiet;
            m_identifier.emplace(InstalledAppScanner(m_platform).scanInstalledApps(), m_platform);
        }
        const fs::path url = m_tree.path(relative);
        return m_identifier->identifyOwner(PathNames::fileName(url), url, m_service);
    }

    static void expectOwner(const OwnerIdentification &owner, const char *bundleID, const char *appName,
                            RemnantStatus status)
    {
        EXPECT_EQ(owner.bundleID, bundleID ? std::optional<QString>(QString::fromUtf8(bundleID)) : std::nullopt);
        EXPECT_EQ(owner.appName, appName ? std::optional<QString>(QString::fromUtf8(appName)) : std::nullopt);
        EXPECT_EQ(owner.status, status);
    }

    TempTree m_tree;
    PosixPlatform m_platform;
    AppIdentifierService m_service;
    std::optional<OwnerIdentifier> m_identifier;
};

} // namespace

TEST_F(OwnerTest, AnApplicationWithoutAnIdentifierOrWithAnInfoPlistInUtf16StillOwnsItsEntries)
{
    m_tree.makeBundle("Applications/Qqvvnote.app", TempTree::infoPlist(""));
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    m_tree.writeFile(
        "Applications/Zzqxtext.app/Contents/Info.plist",
        QByteArray(utf16(QString::fromStdString(TempTree::infoPlist("com.zzqx.text").xml()))).toStdString());
    m_tree.makeFolder("Users/me/Library/Application Support/Qqvvnote");
    m_tree.writeFile("Users/me/Library/Preferences/com.zzqx.text.plist");

    expectOwner(identify("Users/me/Library/Application Support/Qqvvnote"), nullptr, "Qqvvnote", RemnantStatus::stale);
    expectOwner(identify("Users/me/Library/Preferences/com.zzqx.text.plist"), "com.zzqx.text", "Zzqxtext",
                RemnantStatus::stale);
}

TEST_F(OwnerTest, DirectEvidenceFromLabelsAndInventoryKeys)
{
    m_tree.makeBundle("Applications/Zzqx Agent Host.app", "com.example.zzqx.agent");
    m_tree.makeBundle("Applications/Zzqx Studio.app", "org.zzqx.studio");
    m_tree.makeFolder("Users/me/Library/Application Support/Zzqx Studio Data");
    m_tree.writeFile("Users/me/Library/LaunchAgents/com.example.zzqx.agent.plist",
                     TempTree::launchJob("com.example.zzqx.agent"));
    m_tree.writeFile("Users/me/Library/LaunchAgents/com.vendor.updater.plist",
                     TempTree::launchJob("COM.ITUNES.updater"));
    m_tree.makeFolder("Users/me/Library/Caches/org.zzqx.studio");

    LogCapture log;
    const auto agent = identify("Users/me/Library/LaunchAgents/com.example.zzqx.agent.plist");
    expectOwner(agent, "com.example.zzqx.agent", "Zzqx Agent Host", RemnantStatus::stale);
    EXPECT_EQ(agent.evidence,
              (EvidenceList{Evidence{Evidence::Kind::labelIsInventoryKey, Evidence::Strength::direct,
                                     "com.example.zzqx.agent", "com.example.zzqx.agent", "Zzqx Agent Host"}}));
    EXPECT_EQ(agent.label, QStringLiteral("com.example.zzqx.agent"));
    EXPECT_FALSE(agent.weakMatch);
    expectOwner(identify("Users/me/Library/LaunchAgents/com.vendor.updater.plist"), "COM.ITUNES.updater", nullptr,
                RemnantStatus::stale);
    const auto support = identify("Users/me/Library/Application Support/Zzqx Studio Data");
    expectOwner(support, "org.zzqx.studio", "Zzqx Studio", RemnantStatus::stale);
    EXPECT_EQ(support.evidence,
              (EvidenceList{Evidence{Evidence::Kind::inventoryKey, Evidence::Strength::direct, "zzqx studio data",
                                     "appsupport:zzqx studio data", "Zzqx Studio"}}));
    // The folder's base is org.zzqx (".studio" counts as an extension); its whole name is the plain key.
    const auto cache = identify("Users/me/Library/Caches/org.zzqx.studio");
    expectOwner(cache, "org.zzqx.studio", "Unknown", RemnantStatus::stale);
    ASSERT_EQ(cache.evidence.size(), 1);
    EXPECT_EQ(cache.evidence[0].kind, Evidence::Kind::inventoryKey);
    EXPECT_EQ(cache.evidence[0].source, "org.zzqx.studio");
    EXPECT_TRUE(log.lines().isEmpty());
}

TEST_F(OwnerTest, ConfidentServiceAnswersDecideAndAreLogged)
{
    m_tree.makeBundle("Applications/Google Chrome.app", "com.google.Chrome");
    m_tree.writeFile("Users/me/Library/LaunchAgents/com.google.Keystone.Agent.plist",
                     TempTree::launchJob("com.google.keystone.agent"));
    m_tree.makeFolder("Users/me/Library/Caches/Firefox Data");
    m_tree.makeBundle("Applications/Firefox.app", "org.mozilla.firefox");

    LogCapture log;
    const auto keystone = identify("Users/me/Library/LaunchAgents/com.google.Keystone.Agent.plist");
    expectOwner(keystone, "com.google", "Google", RemnantStatus::orphan);
    ASSERT_EQ(keystone.evidence.size(), 1);
    EXPECT_EQ(keystone.evidence[0].kind, Evidence::Kind::catalogueKeyword);
    EXPECT_EQ(keystone.evidence[0].name, "google");
    EXPECT_EQ(keystone.evidence[0].strength, Evidence::Strength::catalogue);
    EXPECT_FALSE(keystone.weakMatch);
    EXPECT_EQ(log.lines(),
              (QStringList{QString::fromUtf8("⚠️ Enhanced identification: com.google.Keystone.Agent.plist "
                                             "→ Google (confidence: medium)"),
                           QString::fromUtf8("   ⚠️ App is NOT installed → .orphan")}));
    expectOwner(identify("Users/me/Library/Caches/Firefox Data"), "org.mozilla.firefox", "Firefox",
                RemnantStatus::stale);
    EXPECT_EQ(log.lines().last(), QString::fromUtf8("   ✅ App is installed → .stale"));
}

TEST_F(OwnerTest, EvidenceStagesAndTheVerdict)
{
    m_tree.makeBundle("Applications/ZZQX.app", "com.example.tool");
    m_tree.makeBundle("Applications/Qqzz Vvbb.app", "com.app.q");
    m_tree.makeFolder("Users/me/Library/Caches/zzqx-cache");
    m_tree.makeFolder("Users/me/Library/Caches/qqzz-vv");
    m_tree.makeFolder("Users/me/Library/Caches/Zzqx Helper");
    m_tree.makeFolder("Users/me/Library/Caches/vvwwkkjj");
    m_tree.makeBundle("Applications/Caf\xC3\xA9 Studio.app", "org.example.cafe");
    m_tree.makeFolder("Users/me/Library/Caches/caf\xC3\xA9");

    const auto cache = identify("Users/me/Library/Caches/zzqx-cache");
    expectOwner(cache, "com.example.tool", "Unknown", RemnantStatus::stale);
    EXPECT_EQ(cache.evidence, (EvidenceList{Evidence{Evidence::Kind::nameTokenIsKey, Evidence::Strength::weak, "zzqx",
                                                     "keyword:zzqx"}}));
    EXPECT_TRUE(cache.weakMatch);
    EXPECT_FALSE(cache.label);
    expectOwner(identify("Users/me/Library/Caches/qqzz-vv"), "com.app.q", "Unknown", RemnantStatus::stale);
    // The helper pattern's answer is only "low", so the stages run and find the installed app.
    expectOwner(identify("Users/me/Library/Caches/Zzqx Helper"), "com.example.tool", "Unknown", RemnantStatus::stale);
    expectOwner(identify("Users/me/Library/Caches/caf\xC3\xA9"), "org.example.cafe", "Unknown", RemnantStatus::stale);
    const auto nothing = identify("Users/me/Library/Caches/vvwwkkjj");
    expectOwner(nothing, nullptr, nullptr, RemnantStatus::orphan);
    EXPECT_EQ(nothing.evidence, EvidenceList{Evidence{}});
    EXPECT_FALSE(nothing.weakMatch);
}

TEST_F(OwnerTest, ALabelAsLongAsTheLimitIsSearchedWholeAndALongerOneIsLeftOut)
{
    // An inventory key of 4,000 characters, and a Label of the longest kept that holds a bundle identifier only
    // at its end: every position of the Label is a place where some key might start.
    m_tree.makeBundle(
        "Applications/Zzqx Studio.app",
        TempTree::infoPlist("org.zzqx.studio").setString("Notes", "org.zzqx.notes." + std::string(4000, 'w')));
    const std::string identifier = ".org.zzqx.studio";
    const std::string label = std::string(TextLimits::MaximumValueBytes - identifier.size(), 'w') + identifier;
    m_tree.writeFile("Users/me/Library/LaunchAgents/qqvv.plist", TempTree::launchJob(label.c_str()));
    m_tree.writeFile("Users/me/Library/LaunchAgents/qqvvlong.plist", TempTree::launchJob(("w" + label).c_str()));

    const auto agent = identify("Users/me/Library/LaunchAgents/qqvv.plist");
    expectOwner(agent, "org.zzqx.studio", "Zzqx Studio", RemnantStatus::stale);
    ASSERT_EQ(agent.evidence.size(), 1);
    EXPECT_EQ(agent.evidence[0].kind, Evidence::Kind::labelMatchesKey);
    EXPECT_EQ(agent.evidence[0].source, "org.zzqx.studio");
    const auto longer = identify("Users/me/Library/LaunchAgents/qqvvlong.plist");
    expectOwner(longer, nullptr, nullptr, RemnantStatus::orphan);
    EXPECT_EQ(longer.label, std::nullopt);
}

TEST(OwnerIdentifierStages, AgreeWithWalkingTheInventoryInSomeOrder)
{
    TempTree tree;
    const PosixPlatform platform(tree.root(), tree.root());
    std::mt19937 random(42);
    auto text = [&](const char *alphabet, int minimum, int maximum) {
        const int length = std::uniform_int_distribution<int>(minimum, maximum)(random);
        const int letters = int(std::strlen(alphabet));
        QString result;
        for (int i = 0; i < length; ++i)
            result.append(QChar(alphabet[std::uniform_int_distribution<int>(0, letters - 1)(random)]));
        return result;
    };
    const QStringList prefixes = {
        "",           "",      "name:", "name:", "helper:", "keyword:", "receipt:", "appsupport:", "receipt-component:",
        "framework:", "tool:", "brew:", "port:"};
    int compared = 0;
    for (int round = 0; round < 400; ++round) {
        Inventory inventory;
        const int records = std::uniform_int_distribution<int>(1, 10)(random);
        for (int i = 0; i < records; ++i) {
            const InstalledApp app{text("abcdeAB -_1", 0, 9), text("abcde1.", 1, 14), QByteArray::number(i), {}};
            for (int k = std::uniform_int_distribution<int>(1, 3)(random); k > 0; --k) {
                const QString prefix =
                    prefixes[std::uniform_int_distribution<qsizetype>(0, prefixes.size() - 1)(random)];
                inventory.insert(prefix + text("abcde1.-_ ", 1, 10).toLower(), app);
            }
        }
        const OwnerIdentifier identifier(inventory, platform);
        for (int probe = 0; probe < 10; ++probe) {
            const QString name = text("abcde1.-_ ", 1, 14);
            const bool withLabel = probe % 3 == 0;
            const std::string file = "probe" + std::to_string(probe) + (withLabel ? ".plist" : ".d");
            const QString label = text("abcdeC1.", 1, 14);
            if (withLabel)
                tree.writeFile(file, TempTree::launchJob(label.toStdString()));
            // The base of the probe is the name itself: its extension is taken from the file name.
            const fs::path url = tree.path(file);
            const QString base = PathNames::baseName(url).toLower();
            const std::vector<InstalledApp> acceptable =
                literalFirstOffers(inventory, name, base, withLabel ? std::optional<QString>(label) : std::nullopt);
            const auto found = identifier.evidenceCandidate(name, url);
            const std::string context = "name '" + name.toStdString() + "' label '" + label.toStdString() + "'";
            if (acceptable.empty()) {
                EXPECT_FALSE(found) << context << " got " << identifier.index().key(*found).toStdString();
                continue;
            }
            ASSERT_TRUE(found) << context;
            ++compared;
            EXPECT_NE(std::find(acceptable.begin(), acceptable.end(), identifier.index().record(*found)),
                      acceptable.end())
                << context << " got key " << identifier.index().key(*found).toStdString();
        }
    }
    EXPECT_GT(compared, 250);
}
