#include "scanner/ScanLocation.h"

#include "platform/Platform.h"

std::vector<ScanLocation> ScanLocation::scanLocations(const Platform &platform)
{
    const std::filesystem::path library = platform.homeDirectory() / "Library";
    auto at = [](std::filesystem::path folder, RemnantCategory category) {
        return ScanLocation{ScanPath{std::move(folder)}, category, false};
    };
    return {at(library / "Application Support", RemnantCategory::applicationSupport),
            at(library / "Application Scripts", RemnantCategory::applicationScripts),
            at(library / "LaunchAgents", RemnantCategory::launchAgents),
            at(platform.systemPath("/Library/LaunchAgents"), RemnantCategory::launchAgents),
            at(platform.systemPath("/Library/LaunchDaemons"), RemnantCategory::launchDaemons),
            at(library / "Preferences", RemnantCategory::preferences),
            at(library / "Caches", RemnantCategory::caches),
            at(library / "Containers", RemnantCategory::containers),
            at(library / "Saved Application State", RemnantCategory::savedState),
            at(library / "Logs", RemnantCategory::logs)};
}
