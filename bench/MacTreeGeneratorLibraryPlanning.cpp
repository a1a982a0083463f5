// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MacTreeGenerator.h"
#include "MacTreeGeneratorNames.h"
#include "MacTreeGeneratorText.h"

#include "model/SystemNames.h"

#include <algorithm>

using namespace MacTreeNames;
using namespace MacTreeText;

std::string MacTreeGenerator::ownedEntryName(Place place, const AppIdentity &app, Random &random,
                                             std::string &label) const
{
    const Vendor &vendor = m_vendors[app.vendor];
    const std::string &id = app.bundleId;
    const std::string product = compact(app.name);
    const double r = random.unit();

    switch (place) {
    case Place::applicationSupport:
        if (r < 0.35)
            return app.name;
        if (r < 0.60)
            return id;
        if (r < 0.72)
            return vendor.shortName;
        if (r < 0.80)
            return dashed(app.name);
        if (r < 0.88)
            return app.executable;
        if (r < 0.94)
            return vendor.shortName + " " + product;
        return id + ".helper";
    case Place::applicationScripts:
        if (r < 0.6)
            return id;
        if (r < 0.85)
            return id + "." + std::string(random.pick(ExtensionNames));
        return vendor.teamId + "." + id;
    case Place::userLaunchAgents:
    case Place::launchAgents: {
        if (r < 0.25)
            label = id;
        else if (r < 0.45)
            label = id + ".agent";
        else if (r < 0.60)
            label = id + ".helper";
        else if (r < 0.72)
            label = id + ".LaunchAtLogin";
        else if (r < 0.86)
            label = vendor.domain + "." + product + "Updater";
        else
            label = vendor.domain + "." + vendor.token + ".update.agent";
        // Some jobs are saved under a file name that differs from their label.
        if (random.chance(0.08))
            return id + ".plist";
        return label + ".plist";
    }
    case Place::launchDaemons:
        if (r < 0.35)
            label = id + ".helper";
        else if (r < 0.55)
            label = id + ".daemon";
        else if (r < 0.75)
            label = vendor.domain + "." + product + "HelperTool";
        else if (r < 0.9)
            label = vendor.domain + ".privileged-helper";
        else
            label = id + ".XPCHelper";
        return label + ".plist";
    case Place::preferences:
        if (r < 0.60)
            return id + ".plist";
        if (r < 0.70)
            return id + ".helper.plist";
        if (r < 0.76)
            return id + ".LSSharedFileList.plist";
        if (r < 0.84)
            return vendor.domain + "." + product + ".plist";
        if (r < 0.93)
            return id + "." + std::string(random.pick(PreferenceSuffixes)) + ".plist";
        return vendor.teamId + "." + id + ".plist";
    case Place::caches:
        if (r < 0.45)
            return id;
        if (r < 0.55)
            return id + ".ShipIt";
        if (r < 0.68)
            return app.name;
        if (r < 0.74)
            return vendor.shortName;
        if (r < 0.80)
            return id + ".helper";
        if (r < 0.90)
            return lower(app.executable);
        return dashed(app.name) + "-updater";
    case Place::containers:
        if (r < 0.62)
            return id;
        if (r < 0.92)
            return id + "." + std::string(random.pick(ExtensionNames));
        return id + ".LauncherHelper";
    case Place::savedState:
        return id + (r < 0.9 ? ".savedState" : ".helper.savedState");
    case Place::logs:
        if (r < 0.30)
            return app.name;
        if (r < 0.45)
            return id;
        if (r < 0.60)
            return app.name + ".log";
        if (r < 0.70)
            return vendor.shortName;
        if (r < 0.80)
            return product + "Updater.log";
        if (r < 0.90)
            return dashed(app.name) + "-" + isoDate(m_now - random.between(0, 1400) * Day).substr(0, 10) + ".log";
        return id + ".log";
    case Place::receipts:
        if (r < 0.5)
            return id + ".pkg";
        if (r < 0.7)
            return vendor.domain + ".pkg." + product + ".pkg";
        if (r < 0.9)
            return id + "." + std::string(random.pick(ReceiptComponents)) + ".pkg";
        return product + ".pkg";
    case Place::userFrameworks:
    case Place::frameworks: {
        const std::string vendorName = compact(vendor.shortName);
        if (r < 0.25)
            return vendorName + "Kit.framework";
        if (r < 0.45)
            return vendorName + "Core.framework";
        if (r < 0.65)
            return product + "Core.framework";
        if (r < 0.85)
            return product + "SDK.framework";
        return product + ".framework";
    }
    case Place::systemApplicationSupport:
        if (r < 0.4)
            return vendor.shortName;
        if (r < 0.7)
            return app.name;
        if (r < 0.9)
            return id;
        return app.name + " Helper";
    default:
        return id;
    }
}

std::string MacTreeGenerator::systemEntryName(Place place, Random &random) const
{
    std::string component;
    if (random.chance(0.5))
        component = "com.apple." + std::string(random.pick(AppleComponents));
    else {
        component = "com.apple." + lower(random.pick(ProductWords));
        component += random.pick(AppleComponentEndings);
    }
    if (random.chance(0.03))
        component = "com.osxfuse." + lower(random.pick(ProductWords));

    switch (place) {
    case Place::preferences:
        if (random.chance(0.2))
            return component + "." + std::string(random.pick(PreferenceSuffixes)) + ".plist";
        return component + ".plist";
    case Place::userLaunchAgents:
    case Place::launchAgents:
    case Place::launchDaemons:
        return component + ".plist";
    case Place::savedState:
        return component + ".savedState";
    case Place::receipts:
        return "com.apple.pkg." + std::string(random.pick(ApplePackages)) + ".pkg";
    case Place::applicationSupport:
    case Place::systemApplicationSupport:
    case Place::caches:
        if (random.chance(0.4))
            return std::string(random.pick(SystemNames::SystemItemNames));
        return component;
    case Place::logs:
        if (random.chance(0.15))
            return std::string(random.pick(SystemNames::SystemItemNames));
        return component;
    case Place::systemFrameworks: {
        const double style = random.unit();
        if (style < 0.7)
            return std::string(random.pick(AppleFrameworks)) + ".framework";
        if (style < 0.85)
            return "Core" + std::string(random.pick(ProductWords)) + ".framework";
        const std::string word(random.pick(ProductWords));
        return word + std::string(random.pick(FrameworkEndings)) + ".framework";
    }
    default:
        return component;
    }
}

std::string MacTreeGenerator::hiddenEntryName(std::size_t ordinal, Random &random) const
{
    if (ordinal == 0)
        return ".DS_Store";
    if (ordinal == 1)
        return ".localized";
    const std::string word = lower(random.pick(ProductWords));
    switch (random.below(4)) {
    case 0:
        return "." + word + ".lock";
    case 1:
        return "._" + word;
    case 2:
        return ".tmp" + std::to_string(random.between(1000, 99999));
    default:
        return "." + word + ".swp";
    }
}

void MacTreeGenerator::describeLaunchJob(PlannedEntry &entry) const
{
    const std::string fileStem = entry.path.substr(entry.path.rfind('/') + 1, std::string::npos);
    if (entry.label.empty())
        entry.label = fileStem.substr(0, fileStem.size() - std::string_view(".plist").size());
    if (entry.owner == nullptr) {
        entry.detail = "/usr/libexec/" + entry.label.substr(entry.label.rfind('.') + 1);
        return;
    }
    const AppIdentity &app = *entry.owner;
    const std::string bundle = app.macFolder + "/" + app.name + ".app";
    if (entry.place == Place::launchDaemons)
        entry.detail = "/Library/PrivilegedHelperTools/" + entry.label;
    else if (endsWith(entry.label, ".LaunchAtLogin"))
        entry.detail = bundle + "/Contents/Library/LoginItems/" + compact(app.name) + "Launcher.app/Contents/MacOS/" +
                       compact(app.name) + "Launcher";
    else if (entry.label.find("pdate") != std::string::npos)
        entry.detail = "/Users/bench/Library/Application Support/" + m_vendors[app.vendor].shortName + "/Updater/" +
                       compact(m_vendors[app.vendor].shortName) + "Updater.app/Contents/MacOS/" +
                       compact(m_vendors[app.vendor].shortName) + "Updater";
    else
        entry.detail = bundle + "/Contents/MacOS/" + app.executable;
}

void MacTreeGenerator::planLibrary(Random &random)
{
    const auto places = libraryPlaces();
    const int total = m_options.libraryEntryCount;

    std::vector<int> counts(places.size(), 0);
    int assigned = 0;
    std::size_t preferencesIndex = 0;
    // With a share for Caches, that folder takes its share and the others split the rest by their weights.
    const int caches = std::clamp(m_options.cachesPerMille, 0, 1000) * static_cast<long long>(total) / 1000;
    const int spread = m_options.cachesPerMille > 0 ? total - caches : total;
    int spreadWeights = 1000;
    for (const PlaceInfo &info : places) {
        if (info.place == Place::caches && m_options.cachesPerMille > 0)
            spreadWeights -= info.weightPerMille;
    }
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (places[i].place == Place::preferences)
            preferencesIndex = i;
        if (places[i].place == Place::javaVirtualMachines)
            counts[i] = total >= 100 ? std::min<int>(std::size(JavaHomes), total / 4000 + 2) : 0;
        else if (places[i].place == Place::caches && m_options.cachesPerMille > 0)
            counts[i] = caches;
        else
            counts[i] = static_cast<int>(static_cast<long long>(spread) * places[i].weightPerMille / spreadWeights);
        assigned += counts[i];
    }
    counts[preferencesIndex] += total - assigned;

    std::uint64_t serial = 0;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const PlaceInfo &info = places[i];
        const int count = counts[i];
        const std::string folder = placeFolder(info);
        std::set<std::string> used;

        int hidden = count >= 10 ? std::max(1, count * 3 / 100) : 0;
        int system = static_cast<int>(count * info.systemShare + 0.5);
        if (info.place == Place::javaVirtualMachines)
            hidden = system = 0;
        system = std::min(system, count - hidden);
        const int owned = count - hidden - system;
        const int installed = m_ownableApps.empty() ? 0 : owned * 55 / 100;

        for (int slot = 0; slot < count; ++slot) {
            PlannedEntry entry;
            entry.place = info.place;
            std::string name;
            for (int attempt = 0; attempt < 40; ++attempt) {
                entry.label.clear();
                entry.owner = nullptr;
                if (slot < hidden) {
                    entry.ownership = Ownership::hidden;
                    name = hiddenEntryName(static_cast<std::size_t>(slot) + (attempt > 0 ? 2 : 0), random);
                } else if (slot < hidden + system) {
                    entry.ownership = Ownership::system;
                    name = systemEntryName(info.place, random);
                } else if (info.place == Place::javaVirtualMachines) {
                    entry.ownership = Ownership::installed;
                    name = std::string(JavaHomes[static_cast<std::size_t>(slot + attempt) % std::size(JavaHomes)]);
                } else if (slot < hidden + system + installed) {
                    entry.ownership = Ownership::installed;
                    const bool toolNamed = (info.place == Place::caches || info.place == Place::applicationSupport ||
                                            info.place == Place::logs) &&
                                           !m_packageNames.empty() && random.chance(0.08);
                    if (toolNamed) {
                        entry.ownership = Ownership::tool;
                        name = random.pick(m_packageNames);
                    } else {
                        entry.owner = random.pick(m_ownableApps);
                        name = ownedEntryName(info.place, *entry.owner, random, entry.label);
                    }
                } else {
                    entry.ownership = Ownership::uninstalled;
                    entry.owner = &random.pick(m_uninstalledApps);
                    name = ownedEntryName(info.place, *entry.owner, random, entry.label);
                }
                if (attempt == 39)
                    name = numberedVariant(name, static_cast<int>(serial));
                if (used.insert(lower(name)).second)
                    break;
            }
            entry.path = folder + "/" + name;
            entry.seed = seedFor(20, serial++);
            if (info.place == Place::userLaunchAgents || info.place == Place::launchAgents ||
                info.place == Place::launchDaemons) {
                if (entry.ownership != Ownership::hidden)
                    describeLaunchJob(entry);
            }
            m_entries.push_back(std::move(entry));
        }
    }

    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].seed == 0)
            m_entries[i].seed = seedFor(21, i);
    }
}
