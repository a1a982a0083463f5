// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The name functions of the inventory and the owner identification, fed with an entry name and a second text
// (the input's pieces before and after its first NUL byte), and the owner identification of that name in each
// scanned folder over a fixed small inventory.
#include "FuzzSupport.h"
#include "identification/AppIdentifierService.h"
#include "identification/NameMatching.h"
#include "identification/OwnerIdentifier.h"
#include "inventory/InstalledAppScanner.h"
#include "inventory/KeywordExtractor.h"
#include "model/SystemNames.h"
#include "platform/PathNames.h"
#include "platform/PosixPlatform.h"

#include <QSet>
#include <algorithm>
#include <cstdint>
#include <optional>

namespace fs = std::filesystem;

namespace {

// File names are at most 255 bytes; longer texts only slow the quadratic comparisons down.
constexpr std::size_t MaximumTextSize = 1024;

struct Setup {
    ScratchFolder root;
    fs::path home = root.path() / "Users" / "f";
    PosixPlatform platform{root.path(), home};
    AppIdentifierService service{&platform};
    std::optional<OwnerIdentifier> owner;
};

Setup *setup = nullptr;

void expectWords(const char *what, const QString &name, const QStringList &words, qsizetype minimumLength)
{
    const QSet<QString> distinct(words.begin(), words.end());
    if (distinct.size() != words.size())
        FuzzSupport::fail(std::string(what) + " of '" + name.toStdString() + "' repeats a word");
    for (const QString &word : words) {
        if (NameMatching::length(word) < minimumLength)
            FuzzSupport::fail(std::string(what) + " of '" + name.toStdString() + "' gives the short word '" +
                              word.toStdString() + "'");
    }
}

void checkPair(const QString &a, const QString &b)
{
    // Past the limit only "more than the limit" counts: the exact number may then differ between the two orders.
    for (const qsizetype limit : {0, 2}) {
        const qsizetype forward = NameMatching::boundedEditDistance(a, b, limit);
        const qsizetype backward = NameMatching::boundedEditDistance(b, a, limit);
        if (forward < 0 || std::min(forward, limit + 1) != std::min(backward, limit + 1))
            FuzzSupport::fail("boundedEditDistance is negative or not symmetric");
    }
    if (NameMatching::boundedEditDistance(a, a, 2) != 0)
        FuzzSupport::fail("boundedEditDistance of a text to itself is not 0");
    if (NameMatching::commonPrefixLength(a, b) > std::min(NameMatching::length(a), NameMatching::length(b)))
        FuzzSupport::fail("commonPrefixLength is longer than a text");
    if (NameMatching::commonPrefixLength(a, a) != NameMatching::length(a))
        FuzzSupport::fail("commonPrefixLength of a text with itself is not its length");
    NameMatching::isSimilar(a, b);
    NameMatching::isFuzzyWordMatch(a, b);
    NameMatching::sharesSubstring(a, b, 4);
    NameMatching::contains(a, b);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceDiagnostics();
    static Setup instance;
    setup = &instance;
    const fs::path applications = setup->root.path() / "Applications";
    FuzzSupport::makeBundle(applications / "Zzqx Studio.app", "org.zzqx.studio");
    FuzzSupport::makeBundle(applications / "Google Chrome.app", "com.google.Chrome");
    FuzzSupport::makeBundle(applications / "Google Chrome.app/Contents/Helpers/Google Chrome Helper.app",
                            "com.google.Chrome.helper");
    FuzzSupport::makeBundle(applications / "Firefox.app", "org.mozilla.firefox");
    FuzzSupport::makeBundle(applications / "Visual Studio Code.app", "com.microsoft.VSCode");
    FuzzSupport::makeBundle(applications / "Qqzz Vvbb 2.app", "com.app.q");
    fs::create_directories(setup->home / "Library" / "Application Support" / "Zzqx Studio Data");
    setup->owner.emplace(InstalledAppScanner(setup->platform).scanInstalledApps(), setup->platform);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::vector<std::string_view> pieces =
        FuzzSupport::splitAtNul(std::string_view(reinterpret_cast<const char *>(data), size));
    const std::string_view nameBytes = pieces[0];
    const std::string_view otherBytes = pieces.size() > 1 ? pieces[1] : std::string_view();
    if (nameBytes.size() > MaximumTextSize || otherBytes.size() > MaximumTextSize)
        return 0;
    const QString name = PathNames::fileName(fs::path(std::string(nameBytes)));
    const QString other = QString::fromUtf8(otherBytes.data(), qsizetype(otherBytes.size()));

    expectWords("extractKeywords", name, KeywordExtractor::extractKeywords(name), 3);
    expectWords("tokenizeName", name, NameMatching::tokenizeName(name), 4);
    NameMatching::splitKeeping(name, u".-_ ", 1);
    NameMatching::stripDigits(name);
    NameMatching::capitalized(name);
    AppIdentifierService::normalizedKey(name);
    AppIdentifierService::matchKnownApp(name);
    AppIdentifierService::matchHelperSuffix(name);
    SystemNames::isSystemItem(name);
    SystemNames::isSystemBundleIdentifier(other);
    checkPair(name, other);
    checkPair(NameMatching::stripDigits(name.toLower()), NameMatching::stripDigits(other.toLower()));
    OwnerIdentifier::bundleIDMatchesItem(other, name.toLower(), other.toLower());
    setup->owner->isInstalled(other, name);

    if (FuzzSupport::isEntryName(nameBytes)) {
        const fs::path library = setup->home / "Library";
        for (const char *folder : {"Caches", "Application Support", "Preferences", "LaunchAgents"}) {
            const fs::path url = library / folder / std::string(nameBytes);
            setup->owner->identifyOwner(name, url, setup->service);
            setup->owner->evidenceCandidate(name, url);
        }
    }
    setup->service.clearCache();
    return 0;
}
