#include "linuxdesktop/LinuxOwnerIdentifier.h"

#include "linuxdesktop/DesktopEntryFile.h"
#include "linuxdesktop/DesktopEntrySource.h"
#include "linuxdesktop/LinuxKnownApps.h"
#include "linuxdesktop/NameKey.h"
#include "linuxdesktop/SystemFiles.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"

namespace {

using Attribution = LinuxOwnerIdentifier::Attribution;

Attribution installed(const InstalledOwner &owner, const QString &evidence, bool weak = false)
{
    return {OwnerIdentification{owner.id, owner.id, RemnantStatus::stale, evidence}, weak};
}

Attribution gone(const std::optional<QString> &owner, const QString &evidence)
{
    return {OwnerIdentification{owner, owner, RemnantStatus::orphan, evidence}, false};
}

QString describe(const LinuxInventory::Match &match)
{
    return QStringLiteral("%1 of %2 %3").arg(match.form, match.owner.kind, match.owner.id);
}

// Words too common in folder names to say anything about their owner.
bool isGenericWord(const QString &word)
{
    static const QStringList words{
        "config", "configs", "data",     "cache", "caches",  "user",    "users",      "files",  "desktop", "share",
        "local",  "state",   "settings", "linux", "gnome",   "shell",   "plugins",    "plugin", "profile", "profiles",
        "backup", "backups", "history",  "logs",  "temp",    "session", "sessions",   "server", "client",  "service",
        "daemon", "update",  "updates",  "store", "storage", "default", "extensions", "themes", "crash",   "reports",
        "media",  "audio",   "video",    "sound", "music",   "image",   "images",     "photos", "games"};
    return words.contains(word);
}

} // namespace

LinuxOwnerIdentifier::LinuxOwnerIdentifier(LinuxInventory inventory, const Platform &platform)
    : m_inventory(std::move(inventory))
    , m_platform(platform)
{}

RemnantRisk LinuxOwnerIdentifier::orphanRisk(RemnantCategory category)
{
    switch (category) {
    case RemnantCategory::cache:
        return RemnantRisk::safe;
    case RemnantCategory::configuration:
    case RemnantCategory::state:
    case RemnantCategory::autostart:
    case RemnantCategory::userServices:
    case RemnantCategory::menuEntries:
        return RemnantRisk::caution;
    default:
        return RemnantRisk::review;
    }
}

LinuxOwnerIdentifier::Attribution LinuxOwnerIdentifier::identifyOwner(const QString &name,
                                                                      const std::filesystem::path &url,
                                                                      RemnantCategory category) const
{
    if (category == RemnantCategory::flatpakData) {
        if (auto found = flatpakData(name))
            return *found;
    }
    if (category == RemnantCategory::autostart || category == RemnantCategory::menuEntries ||
        category == RemnantCategory::userServices) {
        if (auto found = launchedProgram(name, url, category))
            return *found;
    }
    if (auto found = matchingName(name))
        return *found;
    // A well-known application that is not installed may still be, some other way, under a word of the name.
    const std::optional<Attribution> known = knownApp(name);
    if (known && known->owner.status == RemnantStatus::stale)
        return *known;
    if (auto found = matchingWord(name))
        return *found;
    if (known)
        return *known;
    const QString stem = NameKey::stem(name);
    for (const QString &candidate : {stem, NameKey::reverseDnsLastPart(stem)}) {
        const auto package = candidate.isEmpty() ? std::nullopt : m_inventory.removedPackage(candidate);
        if (package && !m_inventory.hasPackage(*package))
            return gone(*package, QStringLiteral("package %1 was removed and is not installed").arg(*package));
    }
    return gone(std::nullopt, QStringLiteral("no installed package, program, Flatpak app, snap or menu entry has "
                                             "this name"));
}

QStringList LinuxOwnerIdentifier::lookalikes(const QString &name) const
{
    const QString stem = NameKey::stem(name);
    QStringList candidates{stem, NameKey::reverseDnsLastPart(stem)};
    for (const QString &word : NameKey::words(stem)) {
        if (word.size() >= 4 && !isGenericWord(word))
            candidates.append(word);
    }
    QStringList owners;
    for (const QString &candidate : candidates) {
        const auto match = candidate.isEmpty() ? std::nullopt : m_inventory.find(candidate);
        if (match && !owners.contains(match->owner.id))
            owners.append(match->owner.id);
    }
    owners.sort();
    return owners;
}

std::optional<Attribution> LinuxOwnerIdentifier::flatpakData(const QString &name) const
{
    if (m_inventory.hasFlatpak(name))
        return installed({name, QStringLiteral("Flatpak app")},
                         QStringLiteral("Flatpak app %1 is installed").arg(name));
    return gone(name, QStringLiteral("no installed Flatpak app has the ID %1").arg(name));
}

std::optional<Attribution> LinuxOwnerIdentifier::launchedProgram(const QString &name, const std::filesystem::path &url,
                                                                 RemnantCategory category) const
{
    const QString kind = category == RemnantCategory::autostart     ? QStringLiteral("autostart entry")
                         : category == RemnantCategory::menuEntries ? QStringLiteral("menu entry")
                                                                    : QStringLiteral("user service");
    const QString home = PathNames::text(m_platform.homeDirectory());
    const auto bytes = SystemFiles::readEntry(m_platform, url);
    if (!bytes)
        return std::nullopt;
    DesktopEntryFile entry = DesktopEntryFile::parse(*bytes, home);
    if (name.endsWith(QStringLiteral(".timer"))) {
        const QString unit = entry.unit.isEmpty() ? name.chopped(6) + QStringLiteral(".service") : entry.unit;
        const auto unitBytes = SystemFiles::readEntry(m_platform, url.parent_path() / unit.toStdString());
        if (!unitBytes)
            return std::nullopt;
        entry = DesktopEntryFile::parse(*unitBytes, home);
    }
    if (!entry.target)
        return std::nullopt;
    const LaunchTarget target = DesktopEntrySource::followed(*entry.target, m_platform);
    const std::optional<QString> found = m_inventory.locate(target, m_platform);
    switch (target.kind) {
    case LaunchTarget::Kind::flatpakApp:
    case LaunchTarget::Kind::snap: {
        const QString software =
            target.kind == LaunchTarget::Kind::snap ? QStringLiteral("snap") : QStringLiteral("Flatpak app");
        if (found)
            return installed({target.name, software},
                             QStringLiteral("%1 starts %2 %3, which is installed").arg(kind, software, target.name));
        return gone(target.name,
                    QStringLiteral("%1 starts %2 %3, which is not installed").arg(kind, software, target.name));
    }
    case LaunchTarget::Kind::menuEntry:
        return gone(target.name, QStringLiteral("%1 starts menu entry %2, which is gone").arg(kind, target.name));
    case LaunchTarget::Kind::program:
        break;
    }
    const QString programName = target.name.mid(target.name.lastIndexOf(u'/') + 1);
    if (!found)
        return gone(programName, QStringLiteral("%1 runs %2, which is gone").arg(kind, target.name));
    std::optional<InstalledOwner> owner = m_inventory.ownerOfFile(*found);
    if (!owner) {
        if (const auto match = m_inventory.find(programName))
            owner = match->owner;
    }
    // A menu entry that starts itself is what there is of an application that D-Bus starts.
    if (!owner)
        owner = InstalledOwner{*found, found->endsWith(QStringLiteral(".desktop")) ? QStringLiteral("menu entry")
                                                                                   : QStringLiteral("program")};
    return installed(*owner, QStringLiteral("%1 runs %2, of %3 %4").arg(kind, *found, owner->kind, owner->id));
}

std::optional<Attribution> LinuxOwnerIdentifier::matchingName(const QString &name) const
{
    const QString stem = NameKey::stem(name);
    QStringList candidates{stem};
    const QString last = NameKey::reverseDnsLastPart(stem);
    if (!last.isEmpty())
        candidates.append(last);
    // KDE's settings files: "kritarc" is Krita's.
    if (stem.endsWith(QStringLiteral("rc")) && stem.size() > 4)
        candidates.append(stem.chopped(2));
    for (const QString &candidate : candidates) {
        if (const auto match = m_inventory.find(candidate))
            return installed(match->owner, QStringLiteral("name matches %1, which is installed").arg(describe(*match)));
    }
    return std::nullopt;
}

std::optional<Attribution> LinuxOwnerIdentifier::knownApp(const QString &name) const
{
    auto app = LinuxKnownApps::writerOf(name);
    if (!app)
        app = LinuxKnownApps::writerOf(NameKey::stem(name));
    if (!app)
        return std::nullopt;
    for (const QString &package : app->packages) {
        if (m_inventory.hasPackage(package))
            return installed({package, QStringLiteral("package")},
                             QStringLiteral("folder of %1; package %2 is installed").arg(app->name, package));
    }
    for (const QString &id : app->flatpaks) {
        if (m_inventory.hasFlatpak(id))
            return installed({id, QStringLiteral("Flatpak app")},
                             QStringLiteral("folder of %1; Flatpak app %2 is installed").arg(app->name, id));
    }
    for (const QString &snap : app->snaps) {
        if (m_inventory.hasSnap(snap))
            return installed({snap, QStringLiteral("snap")},
                             QStringLiteral("folder of %1; snap %2 is installed").arg(app->name, snap));
    }
    // Installed some other way (a tarball, an AppImage): its own names may still be known.
    for (const QStringList *names : {&app->packages, &app->snaps}) {
        for (const QString &other : *names) {
            if (const auto match = m_inventory.find(other))
                return installed(match->owner,
                                 QStringLiteral("folder of %1; %2 is installed").arg(app->name, describe(*match)));
        }
    }
    QStringList names = app->packages;
    names += app->flatpaks;
    for (const QString &snap : app->snaps)
        names.append(QStringLiteral("snap ") + snap);
    const QString owner = !app->packages.isEmpty()   ? app->packages.front()
                          : !app->flatpaks.isEmpty() ? app->flatpaks.front()
                                                     : app->name;
    Attribution result =
        gone(owner,
             QStringLiteral("folder of %1; none of %2 is installed").arg(app->name, names.join(QStringLiteral(", "))));
    result.owner.appName = app->name;
    return result;
}

std::optional<Attribution> LinuxOwnerIdentifier::matchingWord(const QString &name) const
{
    for (const QString &word : NameKey::words(NameKey::stem(name))) {
        if (word.size() < 4 || isGenericWord(word))
            continue;
        if (const auto match = m_inventory.find(word))
            return installed(
                match->owner,
                QStringLiteral("weak: the word '%1' matches %2, which is installed").arg(word, describe(*match)), true);
    }
    return std::nullopt;
}
