// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/NixSource.h"

#include "linuxdesktop/LinuxInventory.h"
#include "linuxdesktop/SystemFiles.h"
#include "platform/Platform.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// "/nix/store/0c5k...-firefox-120.0.1/bin/firefox" is the package firefox; as Nix splits a name from its version,
// the version begins at the first dash before a digit ("python3.11-requests-2.31.0").
QString packageOfStorePath(const QString &path)
{
    static const QString store = QStringLiteral("/nix/store/");
    if (!path.startsWith(store))
        return {};
    const QString entry = path.mid(store.size()).section(u'/', 0, 0);
    const qsizetype hashEnd = entry.indexOf(u'-');
    if (hashEnd <= 0)
        return {};
    const QString name = entry.mid(hashEnd + 1);
    for (qsizetype i = 0; i + 1 < name.size(); ++i) {
        if (name.at(i) == u'-' && name.at(i + 1).isDigit())
            return name.left(i);
    }
    return name;
}

InstalledOwner package(const QString &name)
{
    return InstalledOwner{name, OwnerKind::nixPackage};
}

// manifest.json: "elements" is a list of packages, or since its version 3 an object of them by name, each with its
// "storePaths".
void readManifest(LinuxInventory &inventory, const Platform &platform, const std::filesystem::path &profile)
{
    const auto bytes = SystemFiles::read(platform, profile / "manifest.json");
    if (!bytes)
        return;
    const QJsonValue elements = QJsonDocument::fromJson(*bytes).object().value(QStringLiteral("elements"));
    QJsonArray list = elements.toArray();
    const QJsonObject byName = elements.toObject();
    for (auto it = byName.begin(); it != byName.end(); ++it)
        list.append(it.value());
    for (const QJsonValue &element : list) {
        for (const QJsonValue &path : element.toObject().value(QStringLiteral("storePaths")).toArray()) {
            const QString name = packageOfStorePath(path.toString());
            if (!name.isEmpty())
                inventory.add(name, package(name), NameForm{NameForm::Kind::nixPackage, name});
        }
    }
}

} // namespace

void NixSource::addTo(LinuxInventory &inventory, const Platform &platform) const
{
    const std::filesystem::path home = platform.homeDirectory();
    const std::filesystem::path profiles[] = {
        home / ".nix-profile", home / ".local/state/nix/profile",
        SystemFiles::local(platform, QStringLiteral("/run/current-system/sw")),
        SystemFiles::local(platform, QStringLiteral("/nix/var/nix/profiles/default"))};
    for (const std::filesystem::path &profile : profiles) {
        readManifest(inventory, platform, profile);
        for (const auto &[command, target] : SystemFiles::links(platform, profile / "bin")) {
            const QString name = packageOfStorePath(target);
            if (name.isEmpty())
                continue;
            inventory.add(name, package(name), NameForm{NameForm::Kind::nixPackage, name});
            inventory.add(command, package(name), NameForm{NameForm::Kind::executable, command});
        }
    }
}
