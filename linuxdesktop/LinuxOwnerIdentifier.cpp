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

Attribution installed(const InstalledOwner &owner, const Evidence &evidence,
                      std::optional<Reason> reason = std::nullopt)
{
    return {OwnerIdentification{owner.id, owner.id, RemnantStatus::stale, {evidence}}, std::move(reason)};
}

Attribution gone(const std::optional<QString> &owner, const Evidence &evidence,
                 std::optional<Reason> reason = std::nullopt)
{
    return {OwnerIdentification{owner, owner, RemnantStatus::orphan, {evidence}}, std::move(reason)};
}

Evidence evidence(Evidence::Kind kind, Evidence::Strength strength, const QString &name, const QString &source = {})
{
    return Evidence{kind, strength, name, source};
}

// The owner an evidence names, and which of its names matched, when a match decided.
Evidence naming(Evidence evidence, const InstalledOwner &owner, const NameForm &form = {})
{
    evidence.owner = owner.id;
    evidence.ownerKind = owner.kind;
    evidence.form = form;
    return evidence;
}

// "libpurple0 has the name but is a library"
Evidence libraryClause(const Reason &library)
{
    return evidence(library.cue == LibraryCue::noProgram ? Evidence::Kind::packageHoldsNoProgram
                                                         : Evidence::Kind::libraryHasName,
                    Evidence::Strength::direct, library.matchedName, library.source);
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
            known->attribution.owner.evidence.append(libraryClause(*library));
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
        return installed({name, OwnerKind::flatpakApp},
                         evidence(Evidence::Kind::flatpakInstalled, Evidence::Strength::direct, name));
    return gone(name, evidence(Evidence::Kind::flatpakMissing, Evidence::Strength::direct, name));
}

std::optional<Attribution> LinuxOwnerIdentifier::launchedProgram(const QString &name, const std::filesystem::path &url,
                                                                 RemnantCategory category) const
{
    // The evidence's source is the kind of entry that starts the program.
    const auto starting = [launcher = keyOf(category)](Evidence::Kind kind, const QString &program) {
        return evidence(kind, Evidence::Strength::direct, program, launcher);
    };
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
        const OwnerKind software = target.kind == LaunchTarget::Kind::snap ? OwnerKind::snap : OwnerKind::flatpakApp;
        const InstalledOwner owner{target.name, software};
        if (found)
            return installed(owner, naming(starting(Evidence::Kind::startsInstalled, target.name), owner));
        return gone(target.name, naming(starting(Evidence::Kind::startsMissing, target.name), owner));
    }
    case LaunchTarget::Kind::menuEntry:
        return gone(target.name, starting(Evidence::Kind::startsMissingMenuEntry, target.name));
    case LaunchTarget::Kind::program:
        break;
    }
    const QString programName = target.name.mid(target.name.lastIndexOf(u'/') + 1);
    if (!found)
        return gone(programName, starting(Evidence::Kind::runsMissingProgram, target.name));
    std::optional<InstalledOwner> owner = m_inventory.ownerOfFile(*found);
    if (!owner) {
        if (const auto match = m_inventory.find(programName))
            owner = match->owner;
    }
    // A menu entry that starts itself is what there is of an application that D-Bus starts.
    if (!owner)
        owner = InstalledOwner{*found,
                               found->endsWith(QStringLiteral(".desktop")) ? OwnerKind::menuEntry : OwnerKind::program};
    return installed(*owner, naming(starting(Evidence::Kind::runsInstalledProgram, *found), *owner));
}

LibraryCue LinuxOwnerIdentifier::libraryCue(const LinuxInventory::Match &match) const
{
    if (match.tie == LinuxInventory::Tie::own || match.owner.kind != OwnerKind::package)
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
    return gone(*package, naming(evidence(Evidence::Kind::packageRemovedLeavingNoProgram, Evidence::Strength::direct,
                                          candidate, match.owner.id),
                                 {*package, OwnerKind::package}));
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
                Evidence found =
                    evidence(project ? Evidence::Kind::namesInstalledProject : Evidence::Kind::namesInstalled,
                             Evidence::Strength::direct, candidate.name, name);
                return installed(match.owner, naming(std::move(found), match.owner, match.form));
            }
        }
    }
    if (!library)
        return std::nullopt;
    // Only libraries and data packages of the program are left: it was removed, if a removal says so.
    const auto package = m_inventory.removedPackage(library->matchedName);
    if (!package || m_inventory.hasPackage(*package))
        return std::nullopt;
    const Evidence::Kind kind = library->cue == LibraryCue::noProgram ? Evidence::Kind::packageRemovedLeavingNoProgram
                                                                      : Evidence::Kind::packageRemovedLeavingLibrary;
    return gone(*package,
                naming(evidence(kind, Evidence::Strength::direct, library->matchedName, library->source),
                       {*package, OwnerKind::package}),
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
    // What the catalogue says of the name, before whether anything of it is installed.
    const auto catalogued = [&](Evidence::Kind folder, Evidence::Kind read) {
        Evidence found = documented ? evidence(read, Evidence::Strength::catalogue, name, app->documentation)
                                    : evidence(folder, Evidence::Strength::catalogue, name);
        found.application = app->name;
        return found;
    };
    const auto found = [&](const InstalledOwner &owner, const NameForm &form = {}) {
        Evidence clause =
            naming(catalogued(Evidence::Kind::catalogueFolderInstalled, Evidence::Kind::readByInstalled), owner, form);
        if (!documented)
            return KnownApp{installed(owner, clause)};
        return KnownApp{
            installed(owner, clause, Reason{Reason::Rule::readByLibrary, app->folders.front(), app->documentation}),
            true};
    };
    for (const QString &package : app->packages) {
        if (m_inventory.hasPackage(package) && counts(package))
            return found({package, OwnerKind::package});
    }
    for (const QString &id : app->flatpaks) {
        if (m_inventory.hasFlatpak(id))
            return found({id, OwnerKind::flatpakApp});
    }
    for (const QString &snap : app->snaps) {
        if (m_inventory.hasSnap(snap))
            return found({snap, OwnerKind::snap});
    }
    // Installed some other way (a tarball, an AppImage): its own names may still be known.
    for (const QStringList *names : {&app->packages, &app->snaps}) {
        for (const QString &other : *names) {
            for (const LinuxInventory::Match &match : m_inventory.matches(other)) {
                if (libraryCue(match) == LibraryCue::none || app->readers.contains(match.owner.id))
                    return found(match.owner, match.form);
            }
        }
    }
    QStringList names = app->packages;
    names += app->flatpaks;
    const QString owner = !app->packages.isEmpty()   ? app->packages.front()
                          : !app->flatpaks.isEmpty() ? app->flatpaks.front()
                                                     : app->name;
    Evidence missing = catalogued(Evidence::Kind::catalogueFolderMissing, Evidence::Kind::readByMissing);
    missing.owner = owner;
    missing.names = names;
    missing.snaps = app->snaps;
    EvidenceList clauses{missing};
    // What is installed of it, or kept, and still does not count.
    std::optional<Reason> reason;
    for (const QString &package : app->packages) {
        if (m_inventory.hasPackage(package)) {
            Reason library{Reason::Rule::libraryIsNoProgram, app->folders.front(), package,
                           NameCandidates::Strength::strong, m_inventory.libraryCue(package)};
            clauses.append(libraryClause(library));
            reason = reason.value_or(library);
        } else if (m_inventory.isLeftBehind(package)) {
            clauses.append(evidence(Evidence::Kind::keptUntilAutoremove, Evidence::Strength::direct,
                                    app->folders.front(), package));
            reason = reason.value_or(Reason{Reason::Rule::leftBehind, app->folders.front(), package});
        }
    }
    Attribution result = gone(owner, missing, reason);
    result.owner.evidence = clauses;
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
            return gone(*package,
                        naming(evidence(Evidence::Kind::packageRemoved, Evidence::Strength::direct, candidate.name),
                               {*package, OwnerKind::package}),
                        library);
    }
    Evidence nothing{library ? Evidence::Kind::noProgramNamed : Evidence::Kind::nothingNamed};
    nothing.names = lookedFor;
    EvidenceList clauses{nothing};
    if (library)
        clauses.append(libraryClause(*library));
    if (word) {
        Evidence lookalike =
            evidence(word->first.strength == NameCandidates::Strength::weak ? Evidence::Kind::lookalikeWord
                                                                            : Evidence::Kind::lookalikeStart,
                     Evidence::Strength::weak, word->first.matchedName);
        clauses.append(naming(std::move(lookalike), word->second.owner, word->second.form));
    }
    Attribution result =
        gone(std::nullopt, nothing, library ? library : (word ? std::optional(word->first) : std::nullopt));
    result.owner.evidence = clauses;
    return result;
}
