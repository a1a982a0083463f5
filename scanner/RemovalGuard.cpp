#include "scanner/RemovalGuard.h"

#include "linuxdesktop/LinuxLocationScanner.h"
#include "linuxdesktop/LinuxLocations.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"
#include "scanner/ScanLocation.h"

#include <QSet>
#include <algorithm>

namespace fs = std::filesystem;

RemovalGuard::RemovalGuard(const Platform &platform, const std::vector<fs::path> &bundles, ScanProfile profile)
    : m_platform(platform)
    , m_profile(profile)
{
    const auto protect = [&](const fs::path &path, const QString &description) {
        if (const auto resolved = platform.resolvedPath(path))
            m_protected.push_back({*resolved, description});
    };
    protect(platform.homeDirectory(), QStringLiteral("the home folder"));
    protect(platform.homeDirectory() / "Library", QStringLiteral("the Library folder of the home"));
    protect(platform.systemPath("/"), QStringLiteral("the root folder"));
    protect(platform.systemPath("/Library"), QStringLiteral("the Library folder of the root"));
    const bool linuxDesktop = profile == ScanProfile::linuxDesktop;
    for (const ScanLocation &location :
         linuxDesktop ? LinuxLocations::scanLocations(platform) : ScanLocation::scanLocations(platform)) {
        const fs::path &folder = location.path.url;
        protect(folder, QStringLiteral("the scanned folder %1").arg(PathNames::text(folder)));
        const auto refused =
            linuxDesktop ? LinuxLocationScanner::refusal(location, platform) : location.refusal(platform);
        if (!refused && platform.entryKind(folder) == Platform::EntryKind::folder) {
            if (const auto resolved = platform.trustedFolderPath(folder))
                m_locations.push_back(*resolved);
        }
    }
    for (const fs::path &bundle : bundles)
        protect(bundle, QStringLiteral("the application %1").arg(PathNames::text(bundle)));
}

std::optional<QString> RemovalGuard::refusal(const fs::path &item, fs::path *folderChecked) const
{
    const fs::path name = item.filename();
    if (name.empty() || name == "." || name == "..")
        return QStringLiteral("It is not an entry of a Library folder");
    const fs::path folder = item.parent_path();
    const auto resolvedFolder = m_platform.trustedFolderPath(folder);
    if (!resolvedFolder) {
        return m_platform.entryKind(folder) == Platform::EntryKind::missing
                   ? QStringLiteral("It no longer exists")
                   : QStringLiteral("Its folder cannot be reached");
    }
    const fs::path resolved = *resolvedFolder / name;
    for (const Protected &guarded : m_protected) {
        if (!ScanLocation::holds(resolved, guarded.resolved))
            continue;
        return (resolved == guarded.resolved ? QStringLiteral("It is %1") : QStringLiteral("It holds %1"))
            .arg(guarded.description);
    }
    if (std::find(m_locations.begin(), m_locations.end(), *resolvedFolder) == m_locations.end())
        return m_profile == ScanProfile::linuxDesktop
                   ? QStringLiteral("It is not in a folder that a scan lists")
                   : QStringLiteral("It is not in a Library folder that a scan lists");
    if (folderChecked)
        *folderChecked = *resolvedFolder;
    return std::nullopt;
}

std::vector<fs::path> RemovalGuard::bundlesOf(const Inventory &inventory)
{
    std::vector<fs::path> bundles;
    QSet<QByteArray> seen;
    for (const InstalledApp &record : inventory) {
        if (!record.url.toLower().endsWith(".app") || seen.contains(record.url))
            continue;
        seen.insert(record.url);
        bundles.push_back(record.path());
    }
    return bundles;
}
