// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/PacmanSource.h"

#include "linuxdesktop/LinuxInventory.h"
#include "linuxdesktop/PackageNames.h"
#include "linuxdesktop/SystemFiles.h"

namespace {

// The lines of one "%SECTION%" of a desc or files file, up to the blank line that ends it.
QList<QByteArray> section(const QByteArray &bytes, const QByteArray &name)
{
    QList<QByteArray> lines;
    bool inside = false;
    for (const QByteArray &line : bytes.split('\n')) {
        if (inside && line.isEmpty())
            break;
        if (inside)
            lines.append(line);
        else if (line == name)
            inside = true;
    }
    return lines;
}

} // namespace

void PacmanSource::addTo(LinuxInventory &inventory, const Platform &platform) const
{
    const std::filesystem::path local = SystemFiles::local(platform, QStringLiteral("/var/lib/pacman/local"));
    std::vector<PackageNames::Package> packages;
    std::vector<std::filesystem::path> folders;
    for (const QString &entry : SystemFiles::names(platform, local, true)) {
        const std::filesystem::path folder = local / entry.toStdString();
        const auto desc = SystemFiles::read(platform, folder / "desc");
        if (!desc)
            continue;
        const QList<QByteArray> name = section(*desc, "%NAME%");
        if (name.isEmpty() || name.front().isEmpty())
            continue;
        const QList<QByteArray> base = section(*desc, "%BASE%");
        PackageNames::Package package{QString::fromUtf8(name.front()), QString(), QString()};
        if (!base.isEmpty() && base.front() != name.front())
            package.source = QString::fromUtf8(base.front());
        packages.push_back(package);
        folders.push_back(folder);
    }
    PackageNames names(inventory);
    names.addPackages(packages);
    for (std::size_t i = 0; i < packages.size(); ++i) {
        const auto files = SystemFiles::read(platform, folders[i] / "files");
        if (!files)
            continue;
        // The paths are written without their leading slash: "usr/bin/gimp".
        for (const QByteArray &path : section(*files, "%FILES%"))
            names.addFile(packages[i], u'/' + QString::fromUtf8(path));
    }
    names.finish();
}
