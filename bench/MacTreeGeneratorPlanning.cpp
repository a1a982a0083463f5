// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MacTreeGenerator.h"
#include "MacTreeGeneratorNames.h"
#include "MacTreeGeneratorText.h"

#include <algorithm>

using namespace MacTreeNames;
using namespace MacTreeText;

// Planning: every name is decided in one sequential pass, here and in MacTreeGeneratorLibraryPlanning.cpp, so
// that names are unique and the parallel writers need no coordination.

void MacTreeGenerator::planVendors(Random &random)
{
    const std::size_t wanted = std::max<std::size_t>(24, static_cast<std::size_t>(m_options.appCount) / 2);
    std::set<std::string> tokens;
    int collisions = 0;
    const auto addVendor = [&](std::string shortName, std::string token, std::string_view topLevelDomain, bool github) {
        Vendor vendor;
        vendor.legalName = shortName + std::string(random.pick(LegalSuffixes));
        vendor.shortName = std::move(shortName);
        vendor.domain = github ? "io.github." + token : std::string(topLevelDomain) + "." + token;
        vendor.website = github ? token + ".github.io" : token + "." + std::string(topLevelDomain);
        for (int i = 0; i < 10; ++i)
            vendor.teamId += TeamIdAlphabet[random.below(TeamIdAlphabet.size())];
        vendor.token = std::move(token);
        m_vendors.push_back(std::move(vendor));
    };

    for (const auto &known : KnownVendors) {
        tokens.insert(std::string(known.token));
        addVendor(std::string(known.shortName), std::string(known.token), known.topLevelDomain, false);
    }
    while (m_vendors.size() < wanted) {
        const std::string prefix(random.pick(VendorPrefixes));
        const std::string suffix(random.pick(VendorSuffixes));
        std::string token = lower(prefix + suffix);
        // Numbered names only once the word lists are nearly used up.
        if (tokens.count(token) && ++collisions > 200)
            token += std::to_string(random.between(2, 99));
        if (!tokens.insert(token).second)
            continue;
        std::string shortName;
        const double style = random.unit();
        if (style < 0.6)
            shortName = prefix + suffix;
        else if (style < 0.85)
            shortName = prefix + capitalized(suffix);
        else
            shortName = prefix + " " + capitalized(suffix);
        if (token.back() >= '0' && token.back() <= '9')
            shortName += token.substr(lower(prefix + suffix).size());
        const std::string_view topLevelDomain = random.pick(TopLevelDomains);
        const bool github = random.chance(0.03);
        addVendor(std::move(shortName), std::move(token), topLevelDomain, github);
    }
}

std::size_t MacTreeGenerator::pickVendor(Random &random) const
{
    // A few vendors ship many applications; most ship one or two.
    if (random.chance(0.3)) {
        const double u = random.unit();
        return static_cast<std::size_t>(u * u * u * static_cast<double>(m_vendors.size()));
    }
    return random.below(m_vendors.size());
}

std::string MacTreeGenerator::makeAppName(Random &random, const Vendor &vendor) const
{
    // Every draw is a statement of its own: the order of evaluation within one expression is the compiler's.
    const std::string first(random.pick(ProductWords));
    const std::string second(random.pick(ProductWords));
    std::string name;
    const double style = random.unit();
    if (style < 0.28) {
        name = first + second;
    } else if (style < 0.52) {
        name = first + " " + second;
    } else if (style < 0.60) {
        name = vendor.shortName + " " + first;
    } else if (style < 0.68) {
        const int number = random.chance(0.1) ? 365 : random.between(2, 12);
        name = first + (random.chance(0.5) ? " " : "") + std::to_string(number);
    } else if (style < 0.74) {
        name = first + "-" + second;
    } else if (style < 0.79) {
        const char prefix = "iex"[random.below(3)];
        name = std::string(1, prefix) + first + (random.chance(0.3) ? second : "");
    } else if (style < 0.88) {
        name = first + std::string(random.pick(WordEndings));
    } else if (style < 0.93) {
        switch (random.below(5)) {
        case 0:
            name = first + "s & " + second + "s";
            break;
        case 1:
            name = std::string(random.pick(PersonNames)) + "'s " + first;
            break;
        case 2:
            name = "Café " + first;
            break;
        case 3:
            name = "Über" + lower(first);
            break;
        default:
            name = first + "+";
            break;
        }
    } else {
        name = lower(first + second);
    }
    if (style < 0.60 && random.chance(0.22))
        name += " " + std::string(random.pick(NameSuffixes));
    return name;
}

MacTreeGenerator::AppIdentity MacTreeGenerator::makeIdentity(Random &random, std::size_t vendorIndex)
{
    const Vendor &vendor = m_vendors[vendorIndex];
    AppIdentity app;
    app.vendor = vendorIndex;

    for (int attempt = 0;; ++attempt) {
        std::string name = makeAppName(random, vendor);
        if (attempt > 20)
            name += " " + std::to_string(attempt);
        if (m_usedNames.insert(lower(name)).second) {
            app.name = std::move(name);
            break;
        }
    }

    const std::string product = compact(app.name);
    std::string part;
    const double style = random.unit();
    if (style < 0.40)
        part = product;
    else if (style < 0.70)
        part = lower(product);
    else if (style < 0.80)
        part = dashed(app.name);
    else if (style < 0.88)
        part = "mac." + lower(product);
    else if (style < 0.94) {
        part = lower(random.pick(ProductWords));
        if (random.chance(0.5))
            part += std::to_string(random.between(2, 9));
    } else
        part = lower(product) + ".mac";
    app.bundleId = vendor.domain + "." + part;
    while (!m_usedIdentifiers.insert(lower(app.bundleId)).second)
        app.bundleId += std::to_string(random.below(10));

    const double executableStyle = random.unit();
    if (executableStyle < 0.5)
        app.executable = app.name;
    else if (executableStyle < 0.85)
        app.executable = product;
    else
        app.executable = dashed(app.name);

    const int major = random.chance(0.7) ? random.between(1, 6) : random.between(7, 30);
    const int minor = random.between(0, 20);
    const int patch = random.between(0, 12);
    const int build = random.between(100, 9999);
    const int year = random.between(2019, 2025);
    const double versionStyle = random.unit();
    if (versionStyle < 0.55)
        app.version = std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(patch);
    else if (versionStyle < 0.85)
        app.version = std::to_string(major) + "." + std::to_string(minor);
    else if (versionStyle < 0.93)
        app.version = std::to_string(year) + "." + std::to_string(minor % 4 + 1);
    else
        app.version = std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(patch) + "." +
                      std::to_string(build);
    return app;
}

void MacTreeGenerator::planApps(Random &random)
{
    const std::size_t total = static_cast<std::size_t>(m_options.appCount);
    const std::size_t appleCount = std::min(std::size(AppleApps), total / 50);

    Vendor apple;
    apple.shortName = "Apple";
    apple.legalName = "Apple Inc.";
    apple.token = "apple";
    apple.domain = "com.apple";
    apple.website = "apple.com";
    apple.teamId = "APPLECOMPS";
    m_vendors.push_back(apple);
    const std::size_t appleVendor = m_vendors.size() - 1;

    m_installedApps.reserve(total);
    for (const auto &known : AppleApps) {
        m_usedNames.insert(lower(known.name));
        m_usedIdentifiers.insert(lower(known.bundleId));
    }
    for (std::size_t i = 0; i < appleCount; ++i) {
        AppIdentity app;
        app.name = std::string(AppleApps[i].name);
        app.bundleId = std::string(AppleApps[i].bundleId);
        app.executable = app.name;
        const int major = random.between(1, 17);
        app.version = std::to_string(major) + "." + std::to_string(random.between(0, 6));
        app.macFolder = std::string(AppleApps[i].folder);
        app.vendor = appleVendor;
        app.apple = true;
        m_installedApps.push_back(std::move(app));
    }

    const std::size_t remaining = total - appleCount;
    const std::size_t inHome = remaining * 15 / 100;
    const std::size_t inUtilities = remaining * 7 / 100;
    const std::size_t nested = remaining * 16 / 100;
    const std::size_t topLevel = remaining - inHome - inUtilities - nested;
    const auto vendorCount = m_vendors.size() - 1; // without Apple

    for (std::size_t i = 0; i < topLevel; ++i) {
        AppIdentity app = makeIdentity(random, pickVendor(random) % vendorCount);
        app.macFolder = "/Applications";
        m_installedApps.push_back(std::move(app));
    }
    for (std::size_t i = 0; i < inUtilities; ++i) {
        AppIdentity app = makeIdentity(random, pickVendor(random) % vendorCount);
        app.macFolder = "/Applications/Utilities";
        m_installedApps.push_back(std::move(app));
    }
    for (std::size_t placed = 0; placed < nested;) {
        const std::size_t vendorIndex = pickVendor(random) % vendorCount;
        const Vendor &vendor = m_vendors[vendorIndex];
        std::string folder = "/Applications/" + vendor.shortName;
        const double style = random.unit();
        const std::string suite(random.pick(ProductWords));
        if (style < 0.25)
            folder += " " + suite + " " + std::to_string(random.between(2018, 2025));
        else if (style < 0.45)
            folder += "/" + suite + " Suite";
        const std::size_t group =
            std::min<std::size_t>(nested - placed, static_cast<std::size_t>(random.between(1, 4)));
        for (std::size_t i = 0; i < group; ++i, ++placed) {
            AppIdentity app = makeIdentity(random, vendorIndex);
            app.macFolder = folder;
            m_installedApps.push_back(std::move(app));
        }
    }
    for (std::size_t i = 0; i < inHome; ++i) {
        const std::size_t vendorIndex = pickVendor(random) % vendorCount;
        AppIdentity app = makeIdentity(random, vendorIndex);
        const double style = random.unit();
        if (style < 0.75)
            app.macFolder = "/Users/bench/Applications";
        else if (style < 0.9)
            app.macFolder = "/Users/bench/Applications/Chrome Apps.localized";
        else
            app.macFolder = "/Users/bench/Applications/" + m_vendors[vendorIndex].shortName;
        m_installedApps.push_back(std::move(app));
    }

    // Two damaged bundles: one without Info.plist, one whose Info.plist has no identifier.
    if (remaining >= 100) {
        m_installedApps[appleCount].defect = Defect::missingInfoPlist;
        m_installedApps[appleCount + topLevel / 2].defect = Defect::missingIdentifier;
    }

    for (std::size_t i = 0; i < m_installedApps.size(); ++i) {
        m_installedApps[i].seed = seedFor(10, i);
        if (!m_installedApps[i].apple && m_installedApps[i].defect == Defect::none)
            m_ownableApps.push_back(&m_installedApps[i]);
    }

    const std::size_t uninstalledCount = std::max<std::size_t>(20, total);
    m_uninstalledApps.reserve(uninstalledCount);
    for (std::size_t i = 0; i < uninstalledCount; ++i) {
        AppIdentity app = makeIdentity(random, pickVendor(random) % vendorCount);
        app.macFolder = random.chance(0.85) ? "/Applications" : "/Users/bench/Applications";
        app.seed = seedFor(11, i);
        m_uninstalledApps.push_back(std::move(app));
    }
}

void MacTreeGenerator::planTools(Random &random)
{
    const int apps = m_options.appCount;
    const int toolCount = std::clamp(apps / 6, 20, 600);
    const int formulaCount = std::clamp(apps / 8, 10, 400);
    const int portCount = std::clamp(apps / 10, 8, 300);

    const auto uniqueNames = [&](std::span<const std::string_view> known, int count, auto makeExtra) {
        std::vector<std::string> names;
        std::set<std::string> used;
        std::vector<std::string_view> order(known.begin(), known.end());
        for (std::size_t i = order.size(); i > 1; --i)
            std::swap(order[i - 1], order[random.below(i)]);
        for (std::string_view name : order) {
            if (static_cast<int>(names.size()) == count)
                break;
            if (random.chance(0.8) && used.insert(lower(name)).second)
                names.emplace_back(name);
        }
        for (int attempt = 0; static_cast<int>(names.size()) < count; ++attempt) {
            std::string name = makeExtra();
            if (attempt > 1000)
                name += std::to_string(attempt);
            if (used.insert(lower(name)).second)
                names.push_back(std::move(name));
        }
        return names;
    };

    const auto toolName = [&] {
        const double style = random.unit();
        const std::string first = lower(random.pick(ProductWords));
        if (style < 0.6)
            return first + std::string(random.pick(ToolEndings));
        if (style < 0.8)
            return m_vendors[pickVendor(random)].token + "-cli";
        return first + "-" + lower(random.pick(ProductWords));
    };

    struct ToolFolder {
        std::string path;
        int share;
    };
    const ToolFolder toolFolders[] = {{m_root + "/usr/local/bin", 55},
                                      {m_root + "/usr/local/sbin", 5},
                                      {m_root + "/opt/local/bin", 25},
                                      {m_home + "/.local/bin", 15}};
    for (const auto &folder : toolFolders) {
        const int count = std::max(1, toolCount * folder.share / 100);
        for (auto &name : uniqueNames(ToolNames, count, toolName)) {
            PlannedEntry entry;
            entry.path = folder.path + "/" + name;
            entry.place = Place::toolFolder;
            entry.ownership = Ownership::tool;
            m_packageNames.push_back(name);
            m_entries.push_back(std::move(entry));
        }
    }

    const auto packageName = [&] {
        const std::string word = lower(random.pick(ProductWords));
        switch (random.below(4)) {
        case 0:
            return "lib" + word;
        case 1:
            return word + "-utils";
        case 2:
            return word + "@" + std::to_string(random.between(2, 9));
        default:
            return word + std::string(random.pick(ToolEndings));
        }
    };
    const auto version = [&] {
        const int major = random.between(0, 12);
        const int minor = random.between(0, 30);
        std::string text =
            std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(random.between(0, 15));
        if (random.chance(0.2))
            text += "_" + std::to_string(random.between(1, 3));
        return text;
    };

    const auto formulae = uniqueNames(FormulaNames, formulaCount, packageName);
    for (std::size_t i = 0; i < formulae.size(); ++i) {
        PlannedEntry entry;
        const bool intel = i % 10 == 9;
        entry.path = m_root + (intel ? "/usr/local/Cellar/" : "/opt/homebrew/Cellar/") + formulae[i];
        entry.place = Place::homebrewFormula;
        entry.ownership = Ownership::tool;
        entry.detail = version();
        m_packageNames.push_back(formulae[i]);
        m_entries.push_back(std::move(entry));
    }
    for (auto &port : uniqueNames(PortNames, portCount, packageName)) {
        PlannedEntry entry;
        entry.path = m_root + "/opt/local/var/macports/registry/portfiles/" + port;
        entry.place = Place::macPort;
        entry.ownership = Ownership::tool;
        entry.detail = version();
        m_entries.push_back(std::move(entry));
    }
}
