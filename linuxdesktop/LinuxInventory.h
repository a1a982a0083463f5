// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "linuxdesktop/InstalledOwner.h"
#include "linuxdesktop/LaunchTarget.h"
#include "linuxdesktop/LibraryCue.h"
#include "linuxdesktop/RemovedPackage.h"
#include "model/NameForm.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <atomic>
#include <optional>

class Platform;

// The software installed on a Linux system, by the names it is known under: package names, executables,
// desktop-file IDs, window classes, Flatpak IDs, snap names, folders under /opt. A key keeps every owner that names
// it, the first source's first, so the sources are asked strongest first.
class LinuxInventory {
public:
    // How a name belongs to its owner.
    enum class Tie {
        // The owner runs as it or is installed under it: a command, a menu entry's ID or name, a Flatpak ID, ...
        own,
        // A package's own name, which a library's or a data package's is as much as a program's.
        packageName,
        // Not the owner's own but one it shares in: its source package's, or a folder it installs.
        shared,
    };
    struct Match {
        InstalledOwner owner;
        // Which of the owner's names matched.
        NameForm form;
        Tie tie = Tie::own;
    };

    // Asks every source that exists on the system; stops between two sources once `cancelled` is set.
    static LinuxInventory build(const Platform &platform, const std::atomic<bool> *cancelled = nullptr);

    // `key` is compared in its NameKey form; an owner already under the key is not added again.
    void add(const QString &key, const InstalledOwner &owner, const NameForm &form, Tie tie = Tie::own);
    // The first owner of the name.
    std::optional<Match> find(const QString &name) const;
    // Every owner of the name, the first first.
    QList<Match> matches(const QString &name) const;
    // Installed software named after the project `name`, the way Debian names a project's libraries and shared files
    // ("libgegl-0.4-0", "vim-common", "gimp-data") or with a version ("gegl-0.4"); see NameCandidates::projectsOf.
    std::optional<Match> findProject(const QString &name) const;
    QList<Match> projectMatches(const QString &name) const;
    qsizetype size() const { return m_keys.size(); }
    // Every key, sorted.
    QStringList keys() const;

    // Applications, by the names their menu entries, Flatpak IDs and snaps give them: the desktop's own components
    // are not, even when they share a name's start with one.
    void addApplication(const QString &name);
    bool isApplication(const QString &name) const;
    // Installed packages that are libraries or data packages rather than programs, and what tells it.
    void addLibrary(const QString &package, LibraryCue cue);
    LibraryCue libraryCue(const QString &package) const;
    // Installed programs' packages by their source packages (or themselves when they have none): those that give a
    // command, a menu entry or a service and are no library.
    void addProgramPackage(const QString &source, const QString &package);
    bool isProgramSource(const QString &name) const;
    // Packages apt keeps only as the dependencies of a program that was removed: its autoremove would take them.
    // They count as not installed, and what they hold is no program of the system's.
    void addLeftBehind(const QString &package) { m_leftBehind.insert(package); }
    bool isLeftBehind(const QString &package) const { return m_leftBehind.contains(package); }
    bool isLeftBehind(const InstalledOwner &owner) const;

    // Files installed by packages (from the packages' file lists), by path.
    void addFileOwner(const QString &path, const InstalledOwner &owner) { m_fileOwners.insert(path, owner); }
    std::optional<InstalledOwner> ownerOfFile(const QString &path) const;

    void addPackage(const QString &name) { m_packages.insert(name); }
    bool hasPackage(const QString &name) const { return m_packages.contains(name); }
    // Packages the package managers know were removed (kept settings, or their logs), by their NameKey form and
    // their projects'.
    void addRemovedPackage(const QString &name);
    std::optional<QString> removedPackage(const QString &name) const;
    // A removal under a name the package was known by (its own, its source's, its settings folder's); of two
    // removals under one name the later is kept.
    void addRemoval(const QString &key, const RemovedPackage &removal);
    std::optional<RemovedPackage> removal(const QString &name) const;
    void addFlatpak(const QString &id) { m_flatpaks.insert(id); }
    bool hasFlatpak(const QString &id) const { return m_flatpaks.contains(id); }
    void addSnap(const QString &name) { m_snaps.insert(name); }
    bool hasSnap(const QString &name) const { return m_snaps.contains(name); }
    // Programs found in the PATH folders and ~/.local/bin, by file name, with their paths.
    void addProgram(const QString &name, const QString &path);
    std::optional<QString> programPath(const QString &name) const;
    // Where a program that an entry runs is: a path that exists, or a name found among the programs.
    std::optional<QString> locateProgram(const QString &program, const Platform &platform) const;
    // What an entry starts, when it is there: a program's path, an installed Flatpak app's ID or a snap's name.
    // A menu entry is never there: it is to be followed to what it starts first.
    std::optional<QString> locate(const LaunchTarget &target, const Platform &platform) const;

private:
    QHash<QString, QList<Match>> m_keys;
    QHash<QString, QList<Match>> m_projects;
    QSet<QString> m_applications;
    QHash<QString, LibraryCue> m_libraries;
    QHash<QString, QString> m_programSources;
    QSet<QString> m_leftBehind;
    QHash<QString, InstalledOwner> m_fileOwners;
    QHash<QString, QString> m_programs;
    QSet<QString> m_packages;
    QHash<QString, RemovedPackage> m_removedPackages;
    QSet<QString> m_flatpaks;
    QSet<QString> m_snaps;
};
