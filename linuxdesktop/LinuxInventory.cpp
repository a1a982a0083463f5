// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/LinuxInventory.h"

#include "linuxdesktop/AppImageSource.h"
#include "linuxdesktop/DesktopEntrySource.h"
#include "linuxdesktop/DpkgSource.h"
#include "linuxdesktop/FlatpakSource.h"
#include "linuxdesktop/HomebrewSource.h"
#include "linuxdesktop/NameCandidates.h"
#include "linuxdesktop/NameKey.h"
#include "linuxdesktop/NixSource.h"
#include "linuxdesktop/OptFolderSource.h"
#include "linuxdesktop/PacmanSource.h"
#include "linuxdesktop/PathProgramSource.h"
#include "linuxdesktop/RemovalLogSource.h"
#include "linuxdesktop/RpmSource.h"
#include "linuxdesktop/RunningProcessSource.h"
#include "linuxdesktop/SnapSource.h"
#include "linuxdesktop/SystemFiles.h"
#include "linuxdesktop/UserInstallSource.h"
#include "platform/Platform.h"

#include <memory>
#include <vector>

LinuxInventory LinuxInventory::build(const Platform &platform, const std::atomic<bool> *cancelled)
{
    // Package databases first: they tell which package owns the programs and menu entries found after them; then the
    // package managers of a user's own installs, before the bare programs and folders they put in place. The logs
    // of removals add no names; the databases take the days of their removed packages from them.
    std::vector<std::unique_ptr<LinuxInventorySource>> sources;
    sources.push_back(std::make_unique<RemovalLogSource>());
    sources.push_back(std::make_unique<DpkgSource>());
    sources.push_back(std::make_unique<RpmSource>());
    sources.push_back(std::make_unique<PacmanSource>());
    sources.push_back(std::make_unique<FlatpakSource>());
    sources.push_back(std::make_unique<SnapSource>());
    sources.push_back(std::make_unique<NixSource>());
    sources.push_back(std::make_unique<HomebrewSource>());
    sources.push_back(std::make_unique<UserInstallSource>());
    sources.push_back(std::make_unique<PathProgramSource>());
    sources.push_back(std::make_unique<DesktopEntrySource>());
    sources.push_back(std::make_unique<OptFolderSource>());
    sources.push_back(std::make_unique<AppImageSource>());
    sources.push_back(std::make_unique<RunningProcessSource>());
    LinuxInventory inventory;
    for (const auto &source : sources) {
        if (cancelled && cancelled->load(std::memory_order_relaxed))
            break;
        source->addTo(inventory, platform);
    }
    return inventory;
}

namespace {

// Adds the owner under the key unless it is there already.
void addOnce(QHash<QString, QList<LinuxInventory::Match>> &keys, const QString &key, LinuxInventory::Match match)
{
    QList<LinuxInventory::Match> &owners = keys[key];
    for (const LinuxInventory::Match &owner : owners) {
        if (owner.owner.id == match.owner.id && owner.owner.kind == match.owner.kind)
            return;
    }
    owners.append(std::move(match));
}

std::optional<LinuxInventory::Match> first(const QHash<QString, QList<LinuxInventory::Match>> &keys,
                                           const QString &name)
{
    const auto found = keys.constFind(NameKey::of(name));
    if (found == keys.cend() || found->isEmpty())
        return std::nullopt;
    return found->front();
}

} // namespace

void LinuxInventory::add(const QString &key, const InstalledOwner &owner, const NameForm &form, Tie tie)
{
    const QString normal = NameKey::of(key);
    if (normal.size() < 2)
        return;
    addOnce(m_keys, normal, Match{owner, form, tie});
    for (const QString &project : NameCandidates::projectsOf(key)) {
        const QString projectKey = NameKey::of(project);
        if (projectKey.size() >= 2)
            addOnce(m_projects, projectKey, Match{owner, form, Tie::shared});
    }
}

QStringList LinuxInventory::keys() const
{
    QStringList result = m_keys.keys();
    result.sort();
    return result;
}

std::optional<LinuxInventory::Match> LinuxInventory::find(const QString &name) const
{
    return first(m_keys, name);
}

QList<LinuxInventory::Match> LinuxInventory::matches(const QString &name) const
{
    return m_keys.value(NameKey::of(name));
}

std::optional<LinuxInventory::Match> LinuxInventory::findProject(const QString &name) const
{
    return first(m_projects, name);
}

QList<LinuxInventory::Match> LinuxInventory::projectMatches(const QString &name) const
{
    return m_projects.value(NameKey::of(name));
}

void LinuxInventory::addApplication(const QString &name)
{
    const QString key = NameKey::of(name);
    if (key.size() >= 2)
        m_applications.insert(key);
}

bool LinuxInventory::isApplication(const QString &name) const
{
    return m_applications.contains(NameKey::of(name));
}

void LinuxInventory::addLibrary(const QString &package, LibraryCue cue)
{
    if (cue != LibraryCue::none)
        m_libraries.insert(package, cue);
}

LibraryCue LinuxInventory::libraryCue(const QString &package) const
{
    return m_libraries.value(package, LibraryCue::none);
}

void LinuxInventory::addProgramPackage(const QString &source, const QString &package)
{
    const QString key = NameKey::of(source);
    if (!m_programSources.contains(key))
        m_programSources.insert(key, package);
}

bool LinuxInventory::isProgramSource(const QString &name) const
{
    return m_programSources.contains(NameKey::of(name));
}

bool LinuxInventory::isLeftBehind(const InstalledOwner &owner) const
{
    return owner.kind == OwnerKind::package && m_leftBehind.contains(owner.id);
}

std::optional<InstalledOwner> LinuxInventory::ownerOfFile(const QString &path) const
{
    auto found = m_fileOwners.constFind(path);
    // With /usr merged, /bin, /sbin and /lib are links into /usr, and a package lists a file under either name.
    if (found == m_fileOwners.cend()) {
        for (const QString &merged : {QStringLiteral("/bin/"), QStringLiteral("/sbin/"), QStringLiteral("/lib/")}) {
            if (path.startsWith(merged))
                found = m_fileOwners.constFind(QStringLiteral("/usr") + path);
            else if (path.startsWith(QStringLiteral("/usr") + merged))
                found = m_fileOwners.constFind(path.mid(4));
            if (found != m_fileOwners.cend())
                break;
        }
    }
    if (found == m_fileOwners.cend())
        return std::nullopt;
    return *found;
}

void LinuxInventory::addProgram(const QString &name, const QString &path)
{
    if (!m_programs.contains(name))
        m_programs.insert(name, path);
}

std::optional<QString> LinuxInventory::programPath(const QString &name) const
{
    const auto found = m_programs.constFind(name);
    if (found == m_programs.cend())
        return std::nullopt;
    return *found;
}

std::optional<QString> LinuxInventory::locateProgram(const QString &program, const Platform &platform) const
{
    if (program.isEmpty())
        return std::nullopt;
    if (!program.startsWith(u'/'))
        return programPath(program);
    // A program in the home is the home's; any other path is the system's.
    const QString home = QString::fromStdString(platform.homeDirectory().native());
    const bool inHome = program.startsWith(home + u'/');
    const std::filesystem::path local =
        inHome ? std::filesystem::path(program.toStdString()) : SystemFiles::local(platform, program);
    if (!platform.exists(local))
        return std::nullopt;
    return program;
}

std::optional<QString> LinuxInventory::locate(const LaunchTarget &target, const Platform &platform) const
{
    switch (target.kind) {
    case LaunchTarget::Kind::program:
        return locateProgram(target.name, platform);
    case LaunchTarget::Kind::flatpakApp:
        return hasFlatpak(target.name) ? std::optional(target.name) : std::nullopt;
    case LaunchTarget::Kind::snap:
        return hasSnap(target.name) ? std::optional(target.name) : std::nullopt;
    case LaunchTarget::Kind::menuEntry:
        break;
    }
    return std::nullopt;
}

void LinuxInventory::addRemovedPackage(const QString &name)
{
    addRemoval(name, RemovedPackage{name, QString(), RemovedPackage::Record::dpkgDatabase});
}

std::optional<QString> LinuxInventory::removedPackage(const QString &name) const
{
    const auto found = removal(name);
    if (!found)
        return std::nullopt;
    return found->name;
}

void LinuxInventory::addRemoval(const QString &key, const RemovedPackage &removal)
{
    const QString normal = NameKey::of(key);
    if (normal.size() < 2)
        return;
    const auto found = m_removedPackages.find(normal);
    if (found == m_removedPackages.end())
        m_removedPackages.insert(normal, removal);
    else if (removal.date > found->date)
        *found = removal;
    // The project a removed library or data package belongs to is known as removed too, unless a name says more.
    for (const QString &project : NameCandidates::projectsOf(key)) {
        const QString projectKey = NameKey::of(project);
        if (projectKey.size() >= 2 && !m_removedPackages.contains(projectKey))
            m_removedPackages.insert(projectKey, removal);
    }
}

std::optional<RemovedPackage> LinuxInventory::removal(const QString &name) const
{
    const auto found = m_removedPackages.constFind(NameKey::of(name));
    if (found == m_removedPackages.cend())
        return std::nullopt;
    return *found;
}
