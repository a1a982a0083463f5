// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/SystemFiles.h"

#include "platform/PathNames.h"
#include "platform/Platform.h"
#include "platform/UntouchedFile.h"

namespace {

// Package databases are far below this; anything larger is not what it claims to be.
constexpr qint64 MaximumSize = 512 * 1024 * 1024;
// Entries hold a few lines and their translations: a few kilobytes, some tens with many languages.
constexpr qint64 MaximumEntrySize = 1024 * 1024;

} // namespace

std::filesystem::path SystemFiles::local(const Platform &platform, const QString &systemPath)
{
    const QByteArray bytes = systemPath.toUtf8();
    return platform.systemPath(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

std::optional<QByteArray> SystemFiles::read(const Platform &, const std::filesystem::path &path)
{
    return UntouchedFile::read(path, MaximumSize);
}

std::optional<QByteArray> SystemFiles::readEntry(const Platform &, const std::filesystem::path &path)
{
    return UntouchedFile::read(path, MaximumEntrySize);
}

QStringList SystemFiles::names(const Platform &platform, const std::filesystem::path &folder, bool foldersOnly)
{
    QStringList result;
    const auto children = platform.listDirectory(folder, Platform::Hidden::Skip);
    if (!children)
        return result;
    for (const DirectoryEntry &child : *children) {
        if (foldersOnly && !child.isDirectory)
            continue;
        result.append(PathNames::fileName(child.path));
    }
    return result;
}

std::vector<std::pair<QString, QString>> SystemFiles::links(const Platform &platform,
                                                            const std::filesystem::path &folder)
{
    std::vector<std::pair<QString, QString>> result;
    const auto children = platform.listDirectory(folder, Platform::Hidden::Include);
    if (!children)
        return result;
    for (const DirectoryEntry &child : *children) {
        if (!child.isSymbolicLink)
            continue;
        if (const auto target = platform.linkTarget(child.path))
            result.emplace_back(PathNames::fileName(child.path), PathNames::text(*target));
    }
    return result;
}

bool SystemFiles::isLiveSystem(const Platform &platform)
{
    return platform.systemPath("/") == std::filesystem::path("/");
}
