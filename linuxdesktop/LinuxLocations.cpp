#include "linuxdesktop/LinuxLocations.h"

#include "platform/Platform.h"

std::vector<ScanLocation> LinuxLocations::scanLocations(const Platform &platform)
{
    const std::filesystem::path home = platform.homeDirectory();
    auto at = [&home](const char *folder, RemnantCategory category) {
        return ScanLocation{ScanLocation::ScanPath{folder[0] ? home / folder : home}, category, false, home};
    };
    return {at(".config", RemnantCategory::configuration),
            at(".local/share", RemnantCategory::applicationData),
            at(".cache", RemnantCategory::cache),
            at(".local/state", RemnantCategory::state),
            at(".var/app", RemnantCategory::flatpakData),
            at("snap", RemnantCategory::snapData),
            at(".config/autostart", RemnantCategory::autostart),
            at(".config/systemd/user", RemnantCategory::userServices),
            at(".local/share/applications", RemnantCategory::menuEntries),
            at("", RemnantCategory::dotFolders)};
}
