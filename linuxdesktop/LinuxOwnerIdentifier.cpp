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
using Reason = AttributionReason;

Attribution installed(const InstalledOwner &owner, const QString &evidence, std::optional<Reason> reason = std::nullopt)
{
    return {OwnerIdentification{owner.id, owner.id, RemnantStatus::stale, evidence}, std::move(reason)};
}

Attribution gone(const std::optional<QString> &owner, const QString &evidence,
                 std::optional<Reason> reason = std::nullopt)
{
    return {OwnerIdentification{owner, owner, RemnantStatus::orphan, evidence}, std::move(reason)};
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

// "libpurple0 has the name but is a library"
QString libraryClause(const Reason &library)
{
    if (library.cue == LibraryCue::noProgram)
        return QStringLiteral("%1 has the name but holds no program, menu entry or service").arg(library.source);
    return QStringLiteral("%1 has the name but is a library").arg(library.source);
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
    // What a library or a shared tool reads is theirs, whatever else shares in the name.
    std::optional<KnownApp> known = knownApp(name, candidates);
    if (known && known->documented && known->attribution.owner.status == RemnantStatus::stale)
        return known->attribution;
    std::optional<Reason> library;
    if (auto found = matchingName(name, candidates, library))
        return *found;
    if (known) {
        if (library && !known->attribution.reason) {
            known->attribution.owner.evidence += QStringLiteral("; ") + libraryClause(*library);
            known->attribution.reason = library;
        }
        return known->attribution;
    }
    return orphan(candidates, library);
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

LibraryCue LinuxOwnerIdentifier::libraryCue(const LinuxInventory::Match &match) const
{
    if (match.tie == LinuxInventory::Tie::own || match.owner.kind != u"package")
        return LibraryCue::none;
    return m_inventory.libraryCue(match.owner.id);
}

// A package removed without its dependencies leaves its library and data packages installed (until an autoremove),
// which still name the program in their source or folders; those are no program, and are passed over before this.
// A program's package that shares in the name is no proof either when a package of that name (or of that project,
// as transmission-gtk is of transmission) was removed, no installed package of that source gives a command, a menu
// entry or a service, and no program of that name is left on the system.
std::optional<Attribution> LinuxOwnerIdentifier::removedProgram(const QString &candidate,
                                                                const LinuxInventory::Match &match) const
{
    if (match.tie != LinuxInventory::Tie::shared)
        return std::nullopt;
    const auto package = m_inventory.removedPackage(candidate);
    if (!package || m_inventory.hasPackage(*package) || m_inventory.isApplication(candidate) ||
        m_inventory.isProgramSource(candidate))
        return std::nullopt;
    if (const auto program = m_inventory.programPath(candidate)) {
        const auto owner = m_inventory.ownerOfFile(*program);
        if (!owner || !m_inventory.isLeftBehind(*owner))
            return std::nullopt;
    }
    return gone(*package, QStringLiteral("package %1 was removed and is not installed; only %2, which holds no program "
                                         "of that name, is left of it")
                              .arg(*package, match.owner.id));
}

std::optional<Attribution> LinuxOwnerIdentifier::matchingName(const QString &name,
                                                              const std::vector<NameCandidates::Candidate> &candidates,
                                                              std::optional<Reason> &library) const
{
    // Programs name their files after the project too, whose libraries and shared files are packages of their own:
    // the projects are looked at once no name matched.
    for (const bool project : {false, true}) {
        for (const NameCandidates::Candidate &candidate : candidates) {
            if (candidate.strength != NameCandidates::Strength::strong)
                continue;
            const QList<LinuxInventory::Match> matches =
                project ? m_inventory.projectMatches(candidate.name) : m_inventory.matches(candidate.name);
            for (const LinuxInventory::Match &match : matches) {
                if (const LibraryCue cue = libraryCue(match); cue != LibraryCue::none) {
                    if (!library)
                        library = Reason{Reason::Rule::libraryIsNoProgram, candidate.name, match.owner.id,
                                         NameCandidates::Strength::strong, cue};
                    continue;
                }
                if (auto removed = removedProgram(candidate.name, match))
                    return removed;
                const QString text = project ? QStringLiteral("'%1' names the project %2: %3, which is installed")
                                             : QStringLiteral("'%1' names %2: %3, which is installed");
                return installed(match.owner, text.arg(name, candidate.name, describe(match)));
            }
        }
    }
    if (!library)
        return std::nullopt;
    // Only libraries and data packages of the program are left: it was removed, if a removal says so.
    const auto package = m_inventory.removedPackage(library->matchedName);
    if (!package || m_inventory.hasPackage(*package))
        return std::nullopt;
    const QString left = library->cue == LibraryCue::noProgram
                             ? QStringLiteral("%1, which holds no program of that name,").arg(library->source)
                             : QStringLiteral("%1, a library,").arg(library->source);
    return gone(
        *package,
        QStringLiteral("package %1 was removed and is not installed; only %2 is left of it").arg(*package, left),
        library);
}

std::optional<LinuxOwnerIdentifier::KnownApp>
LinuxOwnerIdentifier::knownApp(const QString &name, const std::vector<NameCandidates::Candidate> &candidates) const
{
    std::optional<LinuxKnownApps::App> app;
    for (const NameCandidates::Candidate &candidate : candidates) {
        if (candidate.strength == NameCandidates::Strength::strong && !app)
            app = LinuxKnownApps::writerOf(candidate.name);
    }
    if (!app)
        return std::nullopt;
    const bool documented = !app->documentation.isEmpty();
    // A library among an application's packages is not the application; one that reads the file is its owner.
    const auto counts = [&](const QString &package) {
        return m_inventory.libraryCue(package) == LibraryCue::none || app->readers.contains(package);
    };
    const auto found = [&](const InstalledOwner &owner, const QString &what) {
        if (!documented)
            return KnownApp{installed(owner, QStringLiteral("folder of %1; %2 is installed").arg(app->name, what))};
        return KnownApp{installed(owner,
                                  QStringLiteral("'%1' is read by %2 (documented in %3); %4 is installed")
                                      .arg(name, app->name, app->documentation, what),
                                  Reason{Reason::Rule::readByLibrary, app->folders.front(), app->documentation}),
                        true};
    };
    for (const QString &package : app->packages) {
        if (m_inventory.hasPackage(package) && counts(package))
            return found({package, QStringLiteral("package")}, QStringLiteral("package ") + package);
    }
    for (const QString &id : app->flatpaks) {
        if (m_inventory.hasFlatpak(id))
            return found({id, QStringLiteral("Flatpak app")}, QStringLiteral("Flatpak app ") + id);
    }
    for (const QString &snap : app->snaps) {
        if (m_inventory.hasSnap(snap))
            return found({snap, QStringLiteral("snap")}, QStringLiteral("snap ") + snap);
    }
    // Installed some other way (a tarball, an AppImage): its own names may still be known.
    for (const QStringList *names : {&app->packages, &app->snaps}) {
        for (const QString &other : *names) {
            for (const LinuxInventory::Match &match : m_inventory.matches(other)) {
                if (libraryCue(match) == LibraryCue::none || app->readers.contains(match.owner.id))
                    return found(match.owner, describe(match));
            }
        }
    }
    QStringList names = app->packages;
    names += app->flatpaks;
    for (const QString &snap : app->snaps)
        names.append(QStringLiteral("snap ") + snap);
    const QString owner = !app->packages.isEmpty()   ? app->packages.front()
                          : !app->flatpaks.isEmpty() ? app->flatpaks.front()
                                                     : app->name;
    QString text =
        documented
            ? QStringLiteral("'%1' is read by %2 (documented in %3); none of %4 is installed")
                  .arg(name, app->name, app->documentation, names.join(QStringLiteral(", ")))
            : QStringLiteral("folder of %1; none of %2 is installed").arg(app->name, names.join(QStringLiteral(", ")));
    // What is installed of it, or kept, and still does not count.
    std::optional<Reason> reason;
    for (const QString &package : app->packages) {
        if (m_inventory.hasPackage(package)) {
            Reason library{Reason::Rule::libraryIsNoProgram, app->folders.front(), package,
                           NameCandidates::Strength::strong, m_inventory.libraryCue(package)};
            text += QStringLiteral("; ") + libraryClause(library);
            reason = reason.value_or(library);
        } else if (m_inventory.isLeftBehind(package)) {
            text +=
                QStringLiteral("; %1 is kept only until apt's autoremove, as nothing installed needs it").arg(package);
            reason = reason.value_or(Reason{Reason::Rule::leftBehind, app->folders.front(), package});
        }
    }
    Attribution result = gone(owner, text, reason);
    result.owner.appName = app->name;
    return KnownApp{result, documented};
}

std::optional<std::pair<Reason, LinuxInventory::Match>>
LinuxOwnerIdentifier::lookalikeWord(const std::vector<NameCandidates::Candidate> &candidates) const
{
    for (const NameCandidates::Candidate &candidate : candidates) {
        if (candidate.strength == NameCandidates::Strength::strong)
            continue;
        if (const auto match = m_inventory.find(candidate.name))
            return std::pair(Reason{Reason::Rule::wordIsNoName, candidate.name, match->owner.id, candidate.strength},
                             *match);
    }
    return std::nullopt;
}

Attribution LinuxOwnerIdentifier::orphan(const std::vector<NameCandidates::Candidate> &candidates,
                                         const std::optional<Reason> &library) const
{
    const auto word = lookalikeWord(candidates);
    QStringList lookedFor;
    for (const NameCandidates::Candidate &candidate : candidates) {
        if (candidate.strength == NameCandidates::Strength::prefix)
            continue;
        if (candidate.strength == NameCandidates::Strength::strong || !word)
            lookedFor.append(candidate.name);
        if (candidate.strength != NameCandidates::Strength::strong)
            continue;
        const auto package = m_inventory.removedPackage(candidate.name);
        if (package && !m_inventory.hasPackage(*package))
            return gone(*package, QStringLiteral("package %1 was removed and is not installed").arg(*package), library);
    }
    QString text;
    if (library) {
        text = QStringLiteral("no installed program, Flatpak app, snap or menu entry is named %1; %2")
                   .arg(listed(lookedFor), libraryClause(*library));
    } else {
        text = QStringLiteral("no installed package, program, Flatpak app, snap or menu entry is named %1, nor a "
                              "library or data package of that name")
                   .arg(listed(lookedFor));
    }
    if (word) {
        const QString part = word->first.strength == NameCandidates::Strength::weak ? QStringLiteral("the word")
                                                                                    : QStringLiteral("the start");
        text += QStringLiteral("; only %1 '%2' matches %3, which is installed: a look-alike, not the owner")
                    .arg(part, word->first.matchedName, describe(word->second));
    }
    return gone(std::nullopt, text, library ? library : (word ? std::optional(word->first) : std::nullopt));
}
