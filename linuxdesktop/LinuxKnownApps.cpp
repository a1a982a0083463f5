// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/LinuxKnownApps.h"

#include "linuxdesktop/NameKey.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <map>
#include <vector>

namespace {

using App = LinuxKnownApps::App;
using Fault = LinuxKnownApps::Fault;
using Problem = LinuxKnownApps::Fault::Problem;

struct Catalogue {
    // The rows, then one entry for each name that several rows share.
    std::vector<App> entries;
    std::size_t rows = 0;
    QHash<QString, std::size_t> byName;
    QList<Fault> faults;
};

// The folders the names live in, as the file writes them: the home itself and the XDG base folders.
const QStringList &homeFolders()
{
    static const QStringList folders{"~/", ".config/", ".local/share/", ".cache/", ".local/state/"};
    return folders;
}

// Names, in NameKey form, that any program may write; none of them tells whose an entry is.
bool isGeneric(const QString &key)
{
    static const QSet<QString> keys{
        "config",       "configs",  "configuration", "data",       "cache",       "caches",      "share",
        "local",        "state",    "settings",      "prefs",      "preferences", "user",        "users",
        "files",        "log",      "logs",          "tmp",        "temp",        "backup",      "backups",
        "history",      "plugin",   "plugins",       "extensions", "addons",      "themes",      "profile",
        "profiles",     "session",  "sessions",      "desktop",    "app",         "apps",        "application",
        "applications", "bin",      "lib",           "etc",        "db",          "database",    "default",
        "storage",      "keys",     "fonts",         "icons",      "sounds",      "downloads",   "documents",
        "autostart",    "systemd",  "recent",        "run",        "var",         "opt",         "home",
        "src",          "projects", "workspace",     "trash",      "cookies",     "credentials", "secrets",
        "tokens",       "auth",     "accounts",      "certs",      "crash",       "crashes",     "crashreports",
        "reports",      "update",   "updates",       "media",      "images",      "thumbnails",  "bookmarks",
        "mail",         "music",    "videos",        "pictures",   "games",       "scripts",     "tools",
        "common",       "shared",   "global",        "runtime",    "modules",     "packages",    "sync",
        "index",        "notes",    "store",         "temporary",  "client",      "server",      "service",
        "daemon",       "shell",    "gpu",           "shaders",    "shadercache", "webcache",    "gpucache",
        "vulkan",       "opengl",   "x11",           "wayland",    "linux",       "unix",        "system"};
    return keys.contains(key);
}

QStringList listOf(const QString &column)
{
    if (column == u"-")
        return {};
    return column.split(u',', Qt::SkipEmptyParts);
}

QString joinedNames(const QStringList &names)
{
    if (names.size() < 2)
        return names.join(QString());
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" or ") + names.back();
}

// Reads one row; a fault says why it is left out.
std::optional<App> row(const QStringList &columns, QStringList &shared, Fault &fault)
{
    const auto faulty = [&fault](Problem problem, const QString &subject = {}) {
        fault.problem = problem;
        fault.subject = subject;
        return std::nullopt;
    };
    if (columns.size() != 5 && columns.size() != 6)
        return faulty(Problem::columnCount, QString::number(columns.size()));
    App app{columns[0].trimmed(), {}, listOf(columns[2]), listOf(columns[3]), listOf(columns[4]), {}, {}, {}};
    if (columns.size() == 6) {
        app.documentation = columns[5].trimmed();
        if (app.documentation.isEmpty() || app.documentation == u"-")
            return faulty(Problem::noDocumentation, app.name);
        app.readers = app.packages;
    }
    if (app.name.isEmpty())
        return faulty(Problem::noName);
    if (app.packages.isEmpty() && app.flatpaks.isEmpty() && app.snaps.isEmpty())
        return faulty(Problem::installedUnderNoName, app.name);
    for (QString place : listOf(columns[1])) {
        const bool isShared = place.startsWith(u'+');
        if (isShared)
            place.remove(0, 1);
        QString name;
        for (const QString &folder : homeFolders()) {
            if (place.startsWith(folder))
                name = place.mid(folder.size());
        }
        const QString key = NameKey::of(name);
        if (name.isEmpty() || name.contains(u'/') || (place.startsWith(u'~') && !name.startsWith(u'.')))
            return faulty(Problem::notAHomeEntry, place);
        if (key.isEmpty() || isGeneric(key))
            return faulty(Problem::genericName, place);
        app.places.append(place);
        if (!app.folders.contains(name))
            app.folders.append(name);
        if (isShared)
            shared.append(key);
    }
    if (app.folders.isEmpty())
        return faulty(Problem::writesNoNames, app.name);
    return app;
}

App combined(const std::vector<App> &rows, const std::vector<std::size_t> &indices)
{
    App app;
    QStringList names;
    QStringList documentation;
    for (const std::size_t index : indices) {
        const App &one = rows[index];
        names.append(one.name);
        app.folders += one.folders;
        app.packages += one.packages;
        app.flatpaks += one.flatpaks;
        app.snaps += one.snaps;
        app.places += one.places;
        app.readers += one.readers;
        if (!one.documentation.isEmpty())
            documentation.append(one.documentation);
    }
    app.name = joinedNames(names);
    app.documentation = documentation.join(QStringLiteral("; "));
    for (QStringList *list : {&app.folders, &app.packages, &app.flatpaks, &app.snaps, &app.places, &app.readers})
        list->removeDuplicates();
    return app;
}

Catalogue load()
{
    Catalogue catalogue;
    QFile file(QStringLiteral(":/data/LinuxKnownApps.tsv"));
    if (!file.open(QIODevice::ReadOnly)) {
        catalogue.faults.append(Fault{Problem::unreadable, {}, {}});
        return catalogue;
    }
    // Which rows claim each name, in file order, and whether each of them says that it shares it.
    struct Claim {
        std::size_t row;
        int line;
        bool shared;
    };
    std::map<QString, std::vector<Claim>> claims;
    int lineNumber = 0;
    for (const QByteArray &rawLine : file.readAll().split('\n')) {
        ++lineNumber;
        const QString line = QString::fromUtf8(rawLine);
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        QStringList shared;
        Fault fault{Problem::noName, {lineNumber}, {}};
        std::optional<App> app = row(line.split(u'\t'), shared, fault);
        if (!app) {
            catalogue.faults.append(fault);
            continue;
        }
        QStringList keys;
        for (const QString &name : app->folders) {
            const QString key = NameKey::of(name);
            if (!keys.contains(key))
                keys.append(key);
        }
        for (const QString &key : keys)
            claims[key].push_back(Claim{catalogue.entries.size(), lineNumber, shared.contains(key)});
        catalogue.entries.push_back(std::move(*app));
    }
    catalogue.rows = catalogue.entries.size();

    std::map<std::vector<std::size_t>, std::size_t> combinations;
    for (const auto &[key, claimants] : claims) {
        QList<int> lines;
        bool allShared = true;
        std::vector<std::size_t> indices;
        for (const Claim &claim : claimants) {
            lines.append(claim.line);
            allShared = allShared && claim.shared;
            indices.push_back(claim.row);
        }
        if (claimants.size() == 1) {
            if (claimants.front().shared)
                catalogue.faults.append(Fault{Problem::sharedAlone, lines, key});
            catalogue.byName.insert(key, claimants.front().row);
            continue;
        }
        if (!allShared)
            catalogue.faults.append(Fault{Problem::sharedUnmarked, lines, key});
        auto [found, added] = combinations.try_emplace(indices, catalogue.entries.size());
        if (added)
            catalogue.entries.push_back(combined(catalogue.entries, indices));
        catalogue.byName.insert(key, found->second);
    }
    return catalogue;
}

const Catalogue &catalogue()
{
    static const Catalogue loaded = load();
    return loaded;
}

} // namespace

std::optional<LinuxKnownApps::App> LinuxKnownApps::writerOf(const QString &folderName)
{
    const Catalogue &known = catalogue();
    const auto found = known.byName.constFind(NameKey::of(folderName));
    if (found == known.byName.cend())
        return std::nullopt;
    return known.entries[*found];
}

std::span<const LinuxKnownApps::App> LinuxKnownApps::apps()
{
    const Catalogue &known = catalogue();
    return std::span(known.entries).first(known.rows);
}

QList<LinuxKnownApps::Fault> LinuxKnownApps::faults()
{
    return catalogue().faults;
}
