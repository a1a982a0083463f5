// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/UserInstallSource.h"

#include "linuxdesktop/LinuxInventory.h"
#include "linuxdesktop/SystemFiles.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace fs = std::filesystem;

namespace {

// Each file in a folder of commands, by the program's path, unless a package manager already named it.
void addExecutables(LinuxInventory &inventory, const Platform &platform, const fs::path &folder, OwnerKind kind)
{
    for (const QString &name : SystemFiles::names(platform, folder, false)) {
        const InstalledOwner owner{PathNames::text(folder / name.toStdString()), kind};
        inventory.add(name, owner, NameForm{NameForm::Kind::executable, name});
    }
}

// cargo's record of its installs: .crates2.json ("installs", by "ripgrep 14.1.0 (registry+...)", each with its
// "bins"), or the older .crates.toml ("ripgrep 14.1.0 (registry+...)" = ["rg"]).
void addCargo(LinuxInventory &inventory, const Platform &platform, const fs::path &cargo)
{
    std::vector<std::pair<QString, QStringList>> crates;
    if (const auto json = SystemFiles::read(platform, cargo / ".crates2.json")) {
        const QJsonObject installs =
            QJsonDocument::fromJson(*json).object().value(QStringLiteral("installs")).toObject();
        for (auto it = installs.begin(); it != installs.end(); ++it) {
            QStringList bins;
            for (const QJsonValue &bin : it.value().toObject().value(QStringLiteral("bins")).toArray())
                bins.append(bin.toString());
            crates.emplace_back(it.key().section(u' ', 0, 0), bins);
        }
    } else if (const auto toml = SystemFiles::read(platform, cargo / ".crates.toml")) {
        static const QRegularExpression line(QStringLiteral("^\"([^\" ]+) [^\"]*\"\\s*=\\s*\\[(.*)\\]\\s*$"));
        static const QRegularExpression bin(QStringLiteral("\"([^\"]+)\""));
        for (const QByteArray &bytes : toml->split('\n')) {
            const QRegularExpressionMatch match = line.match(QString::fromUtf8(bytes));
            if (!match.hasMatch())
                continue;
            QStringList bins;
            for (const QRegularExpressionMatch &name : bin.globalMatch(match.captured(2)))
                bins.append(name.captured(1));
            crates.emplace_back(match.captured(1), bins);
        }
    }
    for (const auto &[crate, bins] : crates) {
        const InstalledOwner owner{crate, OwnerKind::cargoCrate};
        inventory.add(crate, owner, NameForm{NameForm::Kind::cargoCrate, crate});
        for (const QString &name : bins)
            inventory.add(name, owner, NameForm{NameForm::Kind::executable, name});
    }
    // rustup's commands and whatever else was put there.
    addExecutables(inventory, platform, cargo / "bin", OwnerKind::program);
}

void addPipx(LinuxInventory &inventory, const Platform &platform, const fs::path &home)
{
    for (const fs::path &venvs : {home / ".local/pipx/venvs", home / ".local/share/pipx/venvs"}) {
        for (const QString &name : SystemFiles::names(platform, venvs, true))
            inventory.add(name, InstalledOwner{name, OwnerKind::pipxPackage},
                          NameForm{NameForm::Kind::pipxPackage, name});
    }
    // "~/.local/bin/black" links to ".../pipx/venvs/black/bin/black".
    static const QRegularExpression venv(QStringLiteral("/pipx/venvs/([^/]+)/"));
    for (const auto &[name, target] : SystemFiles::links(platform, home / ".local/bin")) {
        const QRegularExpressionMatch match = venv.match(target);
        if (match.hasMatch())
            inventory.add(name, InstalledOwner{match.captured(1), OwnerKind::pipxPackage},
                          NameForm{NameForm::Kind::executable, name});
    }
}

// The prefixes global npm packages are installed in: the one ~/.npmrc sets ("prefix=~/.npm-packages") and the
// usual ones.
std::vector<fs::path> npmPrefixes(const Platform &platform, const fs::path &home)
{
    std::vector<fs::path> prefixes;
    if (const auto npmrc = SystemFiles::readEntry(platform, home / ".npmrc")) {
        static const QRegularExpression setting(QStringLiteral("^\\s*prefix\\s*=\\s*(.+?)\\s*$"));
        for (const QByteArray &line : npmrc->split('\n')) {
            const QRegularExpressionMatch match = setting.match(QString::fromUtf8(line));
            if (!match.hasMatch())
                continue;
            QString value = match.captured(1);
            for (const QString &variable : {QStringLiteral("${HOME}"), QStringLiteral("$HOME"), QStringLiteral("~")}) {
                if (value.startsWith(variable)) {
                    value = PathNames::text(home) + value.mid(variable.size());
                    break;
                }
            }
            if (value.startsWith(u'/'))
                prefixes.emplace_back(value.toStdString());
        }
    }
    prefixes.push_back(home / ".npm-global");
    prefixes.push_back(home / ".local");
    prefixes.push_back(SystemFiles::local(platform, QStringLiteral("/usr/local")));
    return prefixes;
}

void addNpm(LinuxInventory &inventory, const Platform &platform, const fs::path &home)
{
    for (const fs::path &prefix : npmPrefixes(platform, home)) {
        const fs::path modules = prefix / "lib/node_modules";
        for (const QString &name : SystemFiles::names(platform, modules, true)) {
            // "@vue/cli" is known as cli too.
            const QStringList packages = name.startsWith(u'@')
                                             ? SystemFiles::names(platform, modules / name.toStdString(), true)
                                             : QStringList{QString()};
            for (const QString &inner : packages) {
                const QString package = inner.isEmpty() ? name : name + u'/' + inner;
                const InstalledOwner owner{package, OwnerKind::npmPackage};
                inventory.add(package, owner, NameForm{NameForm::Kind::npmPackage, package});
                if (!inner.isEmpty())
                    inventory.add(inner, owner, NameForm{NameForm::Kind::npmPackage, package});
            }
        }
        // "bin/tsc" links to "../lib/node_modules/typescript/bin/tsc".
        static const QRegularExpression module(QStringLiteral("node_modules/((?:@[^/]+/)?[^/]+)/"));
        for (const auto &[name, target] : SystemFiles::links(platform, prefix / "bin")) {
            const QRegularExpressionMatch match = module.match(target);
            if (match.hasMatch())
                inventory.add(name, InstalledOwner{match.captured(1), OwnerKind::npmPackage},
                              NameForm{NameForm::Kind::executable, name});
        }
    }
}

} // namespace

void UserInstallSource::addTo(LinuxInventory &inventory, const Platform &platform) const
{
    const fs::path home = platform.homeDirectory();
    addCargo(inventory, platform, home / ".cargo");
    addPipx(inventory, platform, home);
    addNpm(inventory, platform, home);
    addExecutables(inventory, platform, home / "go/bin", OwnerKind::goProgram);
    for (const QString &name : SystemFiles::names(platform, home / ".local/share/JetBrains/Toolbox/apps", true))
        inventory.add(name, InstalledOwner{name, OwnerKind::jetBrainsToolboxApp},
                      NameForm{NameForm::Kind::jetBrainsToolboxApp, name});
}
