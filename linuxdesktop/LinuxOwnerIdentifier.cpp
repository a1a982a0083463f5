// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/LinuxOwnerIdentifier.h"

#include "linuxdesktop/DesktopEntryFile.h"
#include "linuxdesktop/DesktopEntrySource.h"
#include "linuxdesktop/DesktopNames.h"
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

// "'a', 'b' or 'c'"
QString listed(const QStringList &names)
{
    QStringList quoted;
    for (const QString &name : names)
        quoted.append(u'\'' + name + u'\'');
    if (quoted.size() < 2)
        return quoted.join(QString());
    const QString last = quoted.takeLast();
    return quoted.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
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
    const std::vector<NameCandidates::Candidate> candidates = NameCandidates::of(name);
    if (auto found = matchingName(name, candidates))
        return *found;
    // A well-known application that is not installed may still be, some other way, under a word of the name.
    const std::optional<Attribution> known = knownApp(candidates);
    if (known && known->owner.status == RemnantStatus::stale)
        return *known;
    if (auto found = matchingWord(candidates))
        return *found;
    if (known)
        return *known;
    QStringList lookedFor;
    for (const NameCandidates::Candidate &candidate : candidates) {
        if (candidate.strength == NameCandidates::Strength::prefix)
            continue;
        lookedFor.append(candidate.name);
        if (candidate.strength != NameCandidates::Strength::strong)
            continue;
        const auto package = m_inventory.removedPackage(candidate.name);
        if (package && !m_inventory.hasPackage(*package))
            return gone(*package, QStringLiteral("package %1 was removed and is not installed").arg(*package));
    }
    return gone(std::nullopt, QStringLiteral("no installed package, program, Flatpak app, snap or menu entry is named "
                                             "%1, nor a library or data package of that name")
                                  .arg(listed(lookedFor)));
}

QStringList LinuxOwnerIdentifier::lookalikes(const QString &name) const
{
    QStringList owners;
    for (const NameCandidates::Candidate &candidate : NameCandidates::of(name)) {
        auto match = m_inventory.find(candidate.name);
        if (!match && candidate.strength == NameCandidates::Strength::strong)
            match = m_inventory.findProject(candidate.name);
        if (match && !owners.contains(match->owner.id))
            owners.append(match->owner.id);
    }
    owners.sort();
    return owners;
}

bool LinuxOwnerIdentifier::isDesktopComponent(const QString &name) const
{
    if (DesktopNames::match(name) != DesktopNames::Match::pattern)
        return false;
    for (const QString &candidate : NameCandidates::strong(name)) {
        if (m_inventory.isApplication(candidate) || LinuxKnownApps::writerOf(candidate))
            return false;
    }
    return true;
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

// A package removed without its dependencies leaves its library and data packages installed (until an autoremove),
// which still name the program in their source or folders. The program is gone all the same when a package of
// that name (or of that project, as transmission-gtk is of transmission) was removed, no installed package of that
// source gives a command or a menu entry, and no program of that name is left on the system.
std::optional<Attribution> LinuxOwnerIdentifier::removedProgram(const QString &candidate,
                                                                const LinuxInventory::Match &match) const
{
    if (!match.indirect)
        return std::nullopt;
    const auto package = m_inventory.removedPackage(candidate);
    if (!package || m_inventory.hasPackage(*package) || m_inventory.isApplication(candidate) ||
        m_inventory.isProgramSource(candidate))
        return std::nullopt;
    for (const char *folder : {"/usr/bin", "/bin", "/usr/games", "/usr/local/bin", "/usr/sbin"}) {
        const auto program =
            SystemFiles::local(m_platform, QStringLiteral("%1/%2").arg(QLatin1String(folder), candidate));
        if (m_platform.entryKind(program) != Platform::EntryKind::missing)
            return std::nullopt;
    }
    return gone(*package, QStringLiteral("package %1 was removed and is not installed; only %2, which holds no program "
                                         "of that name, is left of it")
                              .arg(*package, match.owner.id));
}

std::optional<Attribution>
LinuxOwnerIdentifier::matchingName(const QString &name, const std::vector<NameCandidates::Candidate> &candidates) const
{
    const auto strong = [](const NameCandidates::Candidate &candidate) {
        return candidate.strength == NameCandidates::Strength::strong;
    };
    for (const NameCandidates::Candidate &candidate : candidates) {
        if (!strong(candidate))
            continue;
        if (const auto match = m_inventory.find(candidate.name)) {
            if (auto removed = removedProgram(candidate.name, *match))
                return removed;
            return installed(
                match->owner,
                QStringLiteral("'%1' names %2: %3, which is installed").arg(name, candidate.name, describe(*match)));
        }
    }
    // Programs name their files after the project, whose libraries and shared files are packages of their own.
    for (const NameCandidates::Candidate &candidate : candidates) {
        if (!strong(candidate))
            continue;
        const auto match = m_inventory.findProject(candidate.name);
        if (!match)
            continue;
        if (auto removed = removedProgram(candidate.name, *match))
            return removed;
        return installed(match->owner, QStringLiteral("'%1' names the project %2: %3, which is installed")
                                           .arg(name, candidate.name, describe(*match)));
    }
    return std::nullopt;
}

std::optional<Attribution>
LinuxOwnerIdentifier::knownApp(const std::vector<NameCandidates::Candidate> &candidates) const
{
    std::optional<LinuxKnownApps::App> app;
    for (const NameCandidates::Candidate &candidate : candidates) {
        if (candidate.strength == NameCandidates::Strength::strong && !app)
            app = LinuxKnownApps::writerOf(candidate.name);
    }
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

std::optional<Attribution>
LinuxOwnerIdentifier::matchingWord(const std::vector<NameCandidates::Candidate> &candidates) const
{
    for (const NameCandidates::Candidate &candidate : candidates) {
        if (candidate.strength == NameCandidates::Strength::strong)
            continue;
        const auto match = m_inventory.find(candidate.name);
        if (!match)
            continue;
        const QString part = candidate.strength == NameCandidates::Strength::weak ? QStringLiteral("the word")
                                                                                  : QStringLiteral("the start");
        return installed(
            match->owner,
            QStringLiteral("weak: %1 '%2' matches %3, which is installed").arg(part, candidate.name, describe(*match)),
            true);
    }
    return std::nullopt;
}
