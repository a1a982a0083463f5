// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/LinuxLocations.h"

#include "linuxdesktop/DesktopNames.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"
#include "platform/XdgBaseFolders.h"

#include <algorithm>

std::vector<ScanLocation> LinuxLocations::scanLocations(const Platform &platform)
{
    namespace fs = std::filesystem;
    const fs::path home = platform.homeDirectory();
    const XdgBaseFolders xdg = XdgBaseFolders::of(home);
    std::vector<ScanLocation> locations;
    // A base folder the environment moves elsewhere is scanned where it now is, and where programs that do not
    // read the environment still write.
    const auto add = [&](const fs::path &base, const fs::path &usual, const char *below, RemnantCategory category) {
        for (const fs::path &folder : {base, usual}) {
            const fs::path path = below[0] ? folder / below : folder;
            const bool seen = std::any_of(locations.begin(), locations.end(),
                                          [&](const ScanLocation &known) { return known.path.url == path; });
            if (!seen) {
                const bool inHome = ScanLocation::holds(home, folder);
                locations.push_back(
                    {ScanLocation::ScanPath{path}, category, false, inHome ? home : folder, {}, inHome});
            }
        }
    };
    add(xdg.config, home / ".config", "", RemnantCategory::configuration);
    add(xdg.data, home / ".local/share", "", RemnantCategory::applicationData);
    add(xdg.cache, home / ".cache", "", RemnantCategory::cache);
    add(xdg.state, home / ".local/state", "", RemnantCategory::state);
    add(home, home, ".var/app", RemnantCategory::flatpakData);
    add(home, home, "snap", RemnantCategory::snapData);
    add(xdg.config, home / ".config", "autostart", RemnantCategory::autostart);
    add(xdg.config, home / ".config", "systemd/user", RemnantCategory::userServices);
    add(xdg.data, home / ".local/share", "applications", RemnantCategory::menuEntries);

    ScanLocation dotFolders{ScanLocation::ScanPath{home}, RemnantCategory::dotFolders, false, home};
    for (const ScanLocation &location : locations) {
        const fs::path relative = location.path.url.lexically_relative(home);
        if (!relative.empty() && *relative.begin() != "..") {
            const QString first = PathNames::text(*relative.begin());
            if (std::find(dotFolders.skippedNames.begin(), dotFolders.skippedNames.end(), first) ==
                dotFolders.skippedNames.end())
                dotFolders.skippedNames.push_back(first);
        }
    }
    locations.push_back(std::move(dotFolders));
    return locations;
}

std::optional<LocationRefusal> LinuxLocations::refusal(const ScanLocation &location, const Platform &platform)
{
    const std::filesystem::path &folder = location.path.url;
    const std::filesystem::path &home = platform.homeDirectory();
    if (folder == home)
        return std::nullopt;
    if (platform.entryKind(folder) == Platform::EntryKind::symbolicLink)
        return LocationRefusal{LocationRefusal::Kind::symbolicLink};
    if (platform.entryKind(folder) != Platform::EntryKind::folder)
        return std::nullopt;
    const auto resolved = platform.resolvedPath(folder);
    const auto resolvedHome = platform.resolvedPath(home);
    if (!resolved || !resolvedHome)
        return LocationRefusal{LocationRefusal::Kind::unresolvable};
    // A folder the environment places outside the home must not hold the home; one below it stays inside it.
    const bool outsideHome = !location.library.empty() && location.library != home;
    if (outsideHome && folder == location.library) {
        if (ScanLocation::holds(*resolved, *resolvedHome))
            return LocationRefusal{LocationRefusal::Kind::holdsContainer, *resolved, home};
        return std::nullopt;
    }
    const auto resolvedContainer = outsideHome ? platform.resolvedPath(location.library) : resolvedHome;
    if (!resolvedContainer)
        return LocationRefusal{LocationRefusal::Kind::unresolvable};
    if (*resolved == *resolvedContainer || !ScanLocation::holds(*resolvedContainer, *resolved))
        return LocationRefusal{LocationRefusal::Kind::notInside, *resolved, outsideHome ? location.library : home};
    return std::nullopt;
}

bool LinuxLocations::isCandidate(const ScanLocation &location, const QString &name, bool isDirectory)
{
    // What a component's pattern matches is decided once the installed software is known.
    if (DesktopNames::match(name) == DesktopNames::Match::name)
        return false;
    if (std::find(location.skippedNames.begin(), location.skippedNames.end(), name) != location.skippedNames.end())
        return false;
    switch (location.category) {
    case RemnantCategory::autostart:
    case RemnantCategory::menuEntries:
        return !isDirectory && name.endsWith(QStringLiteral(".desktop"));
    case RemnantCategory::userServices:
        return !isDirectory && (name.endsWith(QStringLiteral(".service")) || name.endsWith(QStringLiteral(".timer")));
    case RemnantCategory::dotFolders:
        return name.startsWith(u'.');
    default:
        return true;
    }
}
