// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identification/AppIdentifierService.h"
#include "QtPrinters.h"
#include "TempTree.h"
#include "model/Clock.h"
#include "platform/PosixPlatform.h"

#include <gtest/gtest.h>

#include <QTimeZone>
#include <atomic>
#include <thread>

namespace {

using Confidence = AppIdentifierService::Confidence;

const QDateTime Start = QDateTime(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);

// Linux has no workspace lookup by bundle identifier; this one knows the bundles of one folder.
class WorkspacePlatform : public PosixPlatform {
public:
    explicit WorkspacePlatform(const TempTree &tree)
        : PosixPlatform(tree.root(), tree.root())
        , m_tree(tree)
    {}
    std::optional<std::filesystem::path> applicationForBundleIdentifier(const QString &identifier) const override
    {
        if (identifier == u"com.example.installed")
            return m_tree.path("Applications/Foo Bar.app");
        return std::nullopt;
    }

private:
    const TempTree &m_tree;
};

void expectAnswer(const AppIdentifierService::Answer &answer, const char *appName, const char *bundleID,
                  Confidence confidence)
{
    EXPECT_EQ(answer.appName, appName ? std::optional<QString>(QString::fromUtf8(appName)) : std::nullopt);
    EXPECT_EQ(answer.bundleID, bundleID ? std::optional<QString>(QString::fromUtf8(bundleID)) : std::nullopt);
    EXPECT_EQ(answer.confidence, confidence);
}

} // namespace

TEST(AppIdentifierService, NormalizedKeys)
{
    EXPECT_EQ(AppIdentifierService::normalizedKey(QStringLiteral("com.adobe.acc.plist")), QStringLiteral("adobe.acc"));
    EXPECT_EQ(AppIdentifierService::normalizedKey(QStringLiteral("com.apple.appstore")), QStringLiteral("comlestore"));
    EXPECT_EQ(AppIdentifierService::normalizedKey(QStringLiteral("com.org.xyz")), QStringLiteral("xyz"));
    EXPECT_EQ(AppIdentifierService::normalizedKey(QStringLiteral("net.com.x")), QStringLiteral("com.x"));
    EXPECT_EQ(AppIdentifierService::normalizedKey(QStringLiteral("Zzqx Helper")), QStringLiteral("zzqx helper"));
    EXPECT_EQ(AppIdentifierService::normalizedKey(QStringLiteral("Kit.framework.plist")), QStringLiteral("kit"));
}

TEST(AppIdentifierService, IdentifiesByBundleIdentifierCatalogueAndHelperPattern)
{
    TempTree tree;
    const Clock::Override clock(Start);
    const WorkspacePlatform platform(tree);
    AppIdentifierService service(&platform);
    const struct {
        const char *name, *identifier, *appName, *bundleID;
        Confidence confidence;
    } cases[] = {
        {"com.adobe.acc.plist", nullptr, "Adobe Creative Cloud", "com.adobe.creative-cloud", Confidence::medium},
        {"com.google.Chrome.plist", nullptr, "Google", "com.google", Confidence::medium},
        {"org.mozilla.firefox", nullptr, "Firefox", "org.mozilla.firefox", Confidence::medium},
        {"Zzqx Helper", nullptr, "Zzqx", nullptr, Confidence::low},
        {"helper", nullptr, nullptr, nullptr, Confidence::low},
        {"qqzzxxjj", nullptr, nullptr, nullptr, Confidence::low},
        {"a", "com.example.installed", "Foo Bar", "com.example.installed", Confidence::high},
        {"b", "com.example.zzqx", "Zzqx", "com.example.zzqx", Confidence::low},
        {"c", "org.dropbox.sync", "Dropbox", "com.getdropbox.dropbox", Confidence::medium},
        // "qq" is too short for the fallback and "com" is dropped, so the name decides.
        {"Zzqx Agent", "com.qq", "Zzqx", nullptr, Confidence::low},
        {"d", "com.org", nullptr, nullptr, Confidence::low},
    };
    for (const auto &test : cases) {
        SCOPED_TRACE(test.name);
        const auto identifier =
            test.identifier ? std::optional<QString>(QString::fromUtf8(test.identifier)) : std::nullopt;
        expectAnswer(service.identifyApp(QString::fromUtf8(test.name), identifier), test.appName, test.bundleID,
                     test.confidence);
    }
    EXPECT_EQ(service.identifyApp(QStringLiteral("qqzzxxjj")).evidence, EvidenceList{Evidence{}});
    const Evidence zoom = service.identifyApp(QStringLiteral("zoomus")).evidence.value(0);
    EXPECT_EQ(zoom.kind, Evidence::Kind::catalogueKeyword);
    EXPECT_EQ(zoom.name, "zoom");
}

TEST(AppIdentifierService, CachesEveryAnswerForSevenDaysByNormalizedName)
{
    Clock::Override clock(Start);
    AppIdentifierService service;
    expectAnswer(service.identifyApp(QStringLiteral("zzqx.plist"), QStringLiteral("com.example.zzqx")), "Zzqx",
                 "com.example.zzqx", Confidence::low);
    // Same key, other identifier: the cached answer comes back.
    expectAnswer(service.identifyApp(QStringLiteral("ZZQX")), "Zzqx", "com.example.zzqx", Confidence::low);
    {
        const Clock::Override later(Start.addSecs(AppIdentifierService::cacheLifetime));
        expectAnswer(service.identifyApp(QStringLiteral("zzqx")), "Zzqx", "com.example.zzqx", Confidence::low);
    }
    {
        const Clock::Override earlier(Start.addDays(-3));
        expectAnswer(service.identifyApp(QStringLiteral("zzqx")), "Zzqx", "com.example.zzqx", Confidence::low);
    }
    {
        const Clock::Override stale(Start.addSecs(AppIdentifierService::cacheLifetime + 1));
        expectAnswer(service.identifyApp(QStringLiteral("zzqx")), nullptr, nullptr, Confidence::low);
    }
    expectAnswer(service.identifyApp(QStringLiteral("yyqx"), QStringLiteral("com.example.yyqx")), "Yyqx",
                 "com.example.yyqx", Confidence::low);
    EXPECT_EQ(service.cacheSize(), 2);
    service.clearCache();
    EXPECT_EQ(service.cacheSize(), 0);
    expectAnswer(service.identifyApp(QStringLiteral("yyqx")), nullptr, nullptr, Confidence::low);
}

TEST(AppIdentifierService, ServesCallsFromSeveralThreadsOneAtATime)
{
    AppIdentifierService service;
    std::atomic<bool> stop = false;
    std::thread clearer([&] {
        while (!stop)
            service.clearCache();
    });
    std::vector<std::thread> callers;
    for (int t = 0; t < 2; ++t) {
        callers.emplace_back([&service, t] {
            for (int i = 0; i < 300; ++i) {
                const auto answer = service.identifyApp(QStringLiteral("com.google.item%1.%2").arg(t).arg(i % 20));
                ASSERT_EQ(answer.appName, QStringLiteral("Google"));
            }
        });
    }
    for (std::thread &caller : callers)
        caller.join();
    stop = true;
    clearer.join();
}
