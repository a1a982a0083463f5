// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/PackageNames.h"

#include "linuxdesktop/LinuxInventory.h"
#include "linuxdesktop/NameKey.h"

#include <QFile>
#include <QRegularExpression>

namespace {

const QStringList &programFolders()
{
    static const QStringList folders{"/usr/bin",   "/bin",           "/usr/sbin",       "/sbin",
                                     "/usr/games", "/usr/local/bin", "/usr/local/games"};
    return folders;
}

// The system's folders that hold the folders of each program, longest first; a folder of the multiarch triplet
// ("x86_64-linux-gnu") below /usr/lib and /lib holds them too.
const QStringList &sharedFolders()
{
    static const QStringList folders{"/usr/share/games/",
                                     "/usr/lib/games/",
                                     "/usr/local/share/",
                                     "/usr/local/lib/",
                                     "/usr/libexec/",
                                     "/usr/lib64/",
                                     "/usr/lib32/",
                                     "/usr/share/",
                                     "/usr/games/",
                                     "/usr/lib/",
                                     "/lib64/",
                                     "/lib/",
                                     "/etc/",
                                     "/opt/"};
    return folders;
}

// "gegl-0.4" and "gstreamer1.0" are gegl and gstreamer.
QString unversioned(const QString &name)
{
    static const QRegularExpression version(QStringLiteral("[-_.]?[0-9][0-9._-]*$"));
    QString result = name;
    result.remove(version);
    return result;
}

// Folders below those that the system and every desktop share, listed in SystemFolders.txt: they hold many programs'
// files and name none. A version does not make them a program's ("python3.12").
bool isSystemFolder(const QString &name)
{
    static const QSet<QString> names = [] {
        QSet<QString> result;
        QFile file(QStringLiteral(":/data/SystemFolders.txt"));
        if (!file.open(QIODevice::ReadOnly))
            return result;
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (!line.isEmpty() && !line.startsWith('#'))
                result.insert(QString::fromUtf8(line));
        }
        return result;
    }();
    return names.contains(name) || names.contains(unversioned(name));
}

// What starts a service: systemd's units, init scripts, D-Bus services and what the session starts at login.
bool isService(const QString &folder, const QString &name)
{
    static const QStringList units{"/lib/systemd/system", "/usr/lib/systemd/system", "/lib/systemd/user",
                                   "/usr/lib/systemd/user"};
    if (units.contains(folder))
        return name.endsWith(u".service") || name.endsWith(u".socket") || name.endsWith(u".timer");
    if (folder == u"/usr/share/dbus-1/services" || folder == u"/usr/share/dbus-1/system-services")
        return name.endsWith(u".service");
    if (folder == u"/etc/xdg/autostart")
        return name.endsWith(u".desktop");
    return folder == u"/etc/init.d";
}

// A file a package puts into another program's folder for it to read ("/etc/apache2/conf-available/x.conf",
// "/etc/logcheck/ignore.d.server/x"): it tells nothing of that program.
bool isDropIn(const QString &path, const QString &folder)
{
    // The lists name the folders on the way too: "/etc/apache2/conf-available" is one.
    const qsizetype start = folder.size() + 1;
    const qsizetype end = path.indexOf(u'/', start);
    const QStringView inner = QStringView(path).mid(start, end < 0 ? -1 : end - start);
    return inner.endsWith(u".d") || inner.contains(u".d.") || inner.endsWith(u"-available") ||
           inner.endsWith(u"-enabled");
}

} // namespace

PackageNames::PackageNames(LinuxInventory &inventory)
    : m_inventory(inventory)
{}

InstalledOwner PackageNames::ownerOf(const Package &package)
{
    return InstalledOwner{package.name, OwnerKind::package};
}

void PackageNames::addPackages(const std::vector<Package> &packages)
{
    for (const Package &package : packages) {
        m_inventory.addPackage(package.name);
        m_inventory.add(package.name, ownerOf(package), {NameForm::Kind::packageName, package.name},
                        LinuxInventory::Tie::packageName);
    }
    for (const Package &package : packages) {
        if (!package.source.isEmpty())
            m_inventory.add(package.source, ownerOf(package), {NameForm::Kind::sourcePackage, package.source},
                            LinuxInventory::Tie::shared);
    }
    m_packages.insert(m_packages.end(), packages.begin(), packages.end());
}

QString PackageNames::ownFolder(const QString &path)
{
    for (const QString &shared : sharedFolders()) {
        if (!path.startsWith(shared))
            continue;
        qsizetype start = shared.size();
        qsizetype end = path.indexOf(u'/', start);
        if (end < 0)
            return {};
        const bool libraryFolder = shared == u"/usr/lib/" || shared == u"/lib/";
        if (libraryFolder && QStringView(path).mid(start, end - start).contains(u"-linux-")) {
            start = end + 1;
            end = path.indexOf(u'/', start);
            if (end < 0)
                return {};
        }
        return end > start ? path.left(end) : QString();
    }
    return {};
}

void PackageNames::addFile(const Package &package, const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash <= 0 || slash + 1 >= path.size())
        return;
    const QString folder = path.left(slash);
    const QString name = path.mid(slash + 1);
    if (programFolders().contains(folder)) {
        m_programs.insert(package.name);
        m_inventory.addFileOwner(path, ownerOf(package));
        m_inventory.add(name, ownerOf(package), {NameForm::Kind::executable, name});
        return;
    }
    if (folder == u"/usr/share/applications" && name.endsWith(u".desktop")) {
        m_programs.insert(package.name);
        m_inventory.addFileOwner(path, ownerOf(package));
        const QString id = name.chopped(8);
        const NameForm desktopFileId{NameForm::Kind::desktopFileId, id};
        m_inventory.add(id, ownerOf(package), desktopFileId);
        const QString last = NameKey::reverseDnsLastPart(id);
        if (!last.isEmpty())
            m_inventory.add(last, ownerOf(package), desktopFileId);
        return;
    }
    if (isService(folder, name))
        m_programs.insert(package.name);
    // A package's files come folder by folder: each folder is looked up once.
    if (!m_lastFolder.isEmpty() && path.size() > m_lastFolder.size() && path.startsWith(m_lastFolder) &&
        path.at(m_lastFolder.size()) == u'/' && m_lastPackage == package.name)
        return;
    const QString own = ownFolder(path);
    if (own.isEmpty() || isDropIn(path, own))
        return;
    m_lastPackage = package.name;
    m_lastFolder = own;
    const QString component = own.mid(own.lastIndexOf(u'/') + 1);
    auto index = m_folderIndex.constFind(component);
    if (index == m_folderIndex.cend()) {
        index = m_folderIndex.insert(component, m_folders.size());
        m_folders.push_back(Folder{own, ownerOf(package), {}, std::nullopt});
    }
    Folder &entry = m_folders[*index];
    entry.sources.insert(package.source.isEmpty() ? package.name : package.source);
    if (!entry.namesake) {
        const QString key = NameKey::of(unversioned(component));
        // A library's package is named after its folder with "lib" before it: libpurple0 and purple-2.
        for (const QString &name : {package.name, package.source}) {
            const QString named = name.isEmpty() ? QString() : NameKey::of(unversioned(name));
            if (!named.isEmpty() && (named == key || named == QStringLiteral("lib") + key)) {
                entry.namesake = ownerOf(package);
                break;
            }
        }
    }
}

void PackageNames::addFolders()
{
    for (const Folder &folder : m_folders) {
        const QString name = folder.path.mid(folder.path.lastIndexOf(u'/') + 1);
        if (isSystemFolder(name))
            continue;
        const std::optional<InstalledOwner> owner =
            folder.sources.size() == 1 ? std::optional(folder.owner) : folder.namesake;
        if (!owner)
            continue;
        const NameForm form{NameForm::Kind::folder, folder.path};
        m_inventory.add(name, *owner, form, LinuxInventory::Tie::shared);
        const QString plain = unversioned(name);
        if (plain != name && plain.size() >= 3 && !isSystemFolder(plain))
            m_inventory.add(plain, *owner, form, LinuxInventory::Tie::shared);
    }
}

LibraryCue PackageNames::libraryCueOf(const Package &package) const
{
    if (package.name.startsWith(u"lib") && !package.source.isEmpty() && !package.source.startsWith(u"lib"))
        return LibraryCue::libraryName;
    const QStringView section = QStringView(package.section).mid(package.section.lastIndexOf(u'/') + 1);
    if (section == u"libs" || section == u"oldlibs")
        return LibraryCue::librarySection;
    return m_programs.contains(package.name) ? LibraryCue::none : LibraryCue::noProgram;
}

void PackageNames::finish()
{
    addFolders();
    for (const Package &package : m_packages) {
        const LibraryCue cue = libraryCueOf(package);
        if (cue == LibraryCue::none)
            m_inventory.addProgramPackage(package.source.isEmpty() ? package.name : package.source, package.name);
        else
            m_inventory.addLibrary(package.name, cue);
    }
}

void PackageNames::addLeftBehindFile(const Package &package, const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString folder = path.left(slash);
    if (slash > 0 && (programFolders().contains(folder) || folder == u"/usr/share/applications"))
        m_inventory.addFileOwner(path, ownerOf(package));
}

void PackageNames::addRemovedFolders(const RemovedPackage &removal, const QStringList &paths)
{
    for (const QString &path : paths) {
        const QString own = ownFolder(path);
        const QString name = own.mid(own.lastIndexOf(u'/') + 1);
        if (name.isEmpty() || isSystemFolder(name) || m_folderIndex.contains(name) || m_inventory.find(name))
            continue;
        m_inventory.addRemoval(name, removal);
        const QString plain = unversioned(name);
        if (plain != name && plain.size() >= 3 && !isSystemFolder(plain))
            m_inventory.addRemoval(plain, removal);
    }
}
