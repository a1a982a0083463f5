#include "linuxdesktop/LinuxLocations.h"

#include "linuxdesktop/DesktopNames.h"
#include "platform/PathNames.h"
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

std::optional<QString> LinuxLocations::refusal(const ScanLocation &location, const Platform &platform)
{
    const std::filesystem::path &folder = location.path.url;
    const std::filesystem::path &home = platform.homeDirectory();
    if (folder == home)
        return std::nullopt;
    if (platform.entryKind(folder) == Platform::EntryKind::symbolicLink)
        return QStringLiteral("it is a symbolic link");
    if (platform.entryKind(folder) != Platform::EntryKind::folder)
        return std::nullopt;
    const auto resolved = platform.resolvedPath(folder);
    const auto resolvedHome = platform.resolvedPath(home);
    if (!resolved || !resolvedHome)
        return QStringLiteral("it cannot be resolved");
    if (*resolved == *resolvedHome || !ScanLocation::holds(*resolvedHome, *resolved)) {
        return QStringLiteral("it resolves to %1, which is not inside %2")
            .arg(PathNames::text(*resolved), PathNames::text(home));
    }
    return std::nullopt;
}

bool LinuxLocations::isCandidate(const ScanLocation &location, const QString &name, bool isDirectory)
{
    // What a component's pattern matches is decided once the installed software is known.
    if (DesktopNames::match(name) == DesktopNames::Match::name)
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
