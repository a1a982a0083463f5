// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/HomebrewSource.h"

#include "linuxdesktop/LinuxInventory.h"
#include "linuxdesktop/SystemFiles.h"
#include "platform/Platform.h"

#include <string_view>

namespace {

// "../Cellar/ripgrep/14.1.0/bin/rg" and "/home/linuxbrew/.linuxbrew/Cellar/ripgrep/14.1.0" are the formula ripgrep.
QString formulaOfLink(const QString &target)
{
    const qsizetype cellar = target.indexOf(QStringLiteral("Cellar/"));
    return cellar < 0 ? QString() : target.mid(cellar + 7).section(u'/', 0, 0);
}

InstalledOwner formula(const QString &name)
{
    return InstalledOwner{name, OwnerKind::homebrewFormula};
}

} // namespace

void HomebrewSource::addTo(LinuxInventory &inventory, const Platform &platform) const
{
    const std::filesystem::path prefixes[] = {
        SystemFiles::local(platform, QStringLiteral("/home/linuxbrew/.linuxbrew")),
        platform.homeDirectory() / ".linuxbrew"};
    for (const std::filesystem::path &prefix : prefixes) {
        const QStringList formulae = SystemFiles::names(platform, prefix / "Cellar", true);
        for (const QString &name : formulae)
            inventory.add(name, formula(name), {NameForm::Kind::homebrewFormula, name});
        for (const char *folder : {"opt", "bin", "sbin"}) {
            for (const auto &[name, target] : SystemFiles::links(platform, prefix / folder)) {
                const QString owner = formulaOfLink(target);
                if (!formulae.contains(owner))
                    continue;
                const bool formulaLink = folder == std::string_view("opt");
                inventory.add(name, formula(owner),
                              {formulaLink ? NameForm::Kind::homebrewFormula : NameForm::Kind::executable, name});
            }
        }
    }
}
