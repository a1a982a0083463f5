#include "model/ScanProfile.h"

#include "platform/SystemPrograms.h"

#include <array>
#include <system_error>

namespace {

constexpr std::array MacCategories{RemnantCategory::applicationSupport,
                                   RemnantCategory::applicationScripts,
                                   RemnantCategory::launchAgents,
                                   RemnantCategory::launchDaemons,
                                   RemnantCategory::preferences,
                                   RemnantCategory::caches,
                                   RemnantCategory::containers,
                                   RemnantCategory::savedState,
                                   RemnantCategory::logs,
                                   RemnantCategory::cronJobs,
                                   RemnantCategory::other};

constexpr std::array LinuxCategories{RemnantCategory::configuration, RemnantCategory::applicationData,
                                     RemnantCategory::cache,         RemnantCategory::state,
                                     RemnantCategory::flatpakData,   RemnantCategory::snapData,
                                     RemnantCategory::autostart,     RemnantCategory::userServices,
                                     RemnantCategory::menuEntries,   RemnantCategory::dotFolders};

} // namespace

QString rawValue(ScanProfile profile)
{
    return profile == ScanProfile::mac ? QStringLiteral("mac") : QStringLiteral("linux");
}

std::optional<ScanProfile> scanProfileNamed(const QString &name)
{
    for (const ScanProfile profile : {ScanProfile::mac, ScanProfile::linuxDesktop}) {
        if (rawValue(profile) == name)
            return profile;
    }
    return std::nullopt;
}

std::span<const RemnantCategory> categories(ScanProfile profile)
{
    if (profile == ScanProfile::mac)
        return MacCategories;
    return LinuxCategories;
}

ScanProfile automaticScanProfile(const std::filesystem::path &home)
{
    if (SystemPrograms::isMacOS())
        return ScanProfile::mac;
    // Whatever the Library is, a folder or not, the Mac profile tells what is wrong with it.
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(home / "Library", error))
               ? ScanProfile::mac
               : ScanProfile::linuxDesktop;
}
