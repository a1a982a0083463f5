// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "linuxdesktop/InstalledOwner.h"
#include "linuxdesktop/LibraryCue.h"
#include "linuxdesktop/RemovedPackage.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class LinuxInventory;

// The names a package database knows its installed packages by, for dpkg, rpm and pacman alike: each package's own
// name and its source package's; from its files its commands and menu entries, and the folders of its own below the
// system's shared folders ("/usr/share/gimp", "/usr/lib/x86_64-linux-gnu/gegl-0.4", "/etc/pulse"). A folder that
// packages of several sources put files in is a shared one and names none of them, unless it is named after one
// of them ("gstreamer-1.0" after the source gstreamer1.0). From its files too whether a package is a program's or a
// library (see LibraryCue).
class PackageNames {
public:
    struct Package {
        QString name;
        // The source package it was built from; empty when it is the package's own name.
        QString source;
        // Debian's section ("libs", "net", "contrib/games"); empty where the database has none.
        QString section;
    };

    explicit PackageNames(LinuxInventory &inventory);

    // Each package's name, then each source's: the names come before the files' names.
    void addPackages(const std::vector<Package> &packages);
    // One of the package's files, by its path on the system ("/usr/bin/gimp").
    void addFile(const Package &package, const QString &path);
    // The folders of the files added, and which packages are programs' and which libraries, once all are in.
    void finish();
    // A file of a package apt keeps only until its autoremove: its commands and menu entries are no program's.
    void addLeftBehindFile(const Package &package, const QString &path);
    // A removed package's names from the files it left (the settings kept): the folders that no installed package
    // has.
    void addRemovedFolders(const RemovedPackage &removal, const QStringList &paths);

    // The folder of its own below the system's shared folders that a path lies in ("/usr/share/gimp" for
    // "/usr/share/gimp/2.0/tips"); empty when there is none.
    static QString ownFolder(const QString &path);

private:
    struct Folder {
        QString path;
        InstalledOwner owner;
        QSet<QString> sources;
        // The package the folder is named after, among those with files in it.
        std::optional<InstalledOwner> namesake;
    };

    static InstalledOwner ownerOf(const Package &package);
    void addFolders();
    LibraryCue libraryCueOf(const Package &package) const;

    LinuxInventory &m_inventory;
    std::vector<Package> m_packages;
    // The packages that give a command on the PATH, a menu entry or a service.
    QSet<QString> m_programs;
    std::vector<Folder> m_folders;
    QHash<QString, std::size_t> m_folderIndex;
    // The last folder of the package whose files are being added: a package's files come folder by folder.
    QString m_lastPackage;
    QString m_lastFolder;
};
