// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/TagAttribute.h"

#include <cerrno>
#include <sys/xattr.h>

namespace fs = std::filesystem;

namespace {
constexpr const char *Name = "user.xdg.tags";
}

int TagAttribute::set(const fs::path &path, const QByteArray &value)
{
    return lsetxattr(path.c_str(), Name, value.constData(), std::size_t(value.size()), 0);
}

ssize_t TagAttribute::get(const fs::path &path, char *buffer, std::size_t size)
{
    return lgetxattr(path.c_str(), Name, buffer, size);
}

int TagAttribute::remove(const fs::path &path)
{
    const int result = lremovexattr(path.c_str(), Name);
    return result != 0 && errno == ENODATA ? 0 : result;
}

// The desktop stores the names alone, separated by commas.
QString TagAttribute::nameOfEntry(const QByteArray &entry)
{
    return QString::fromUtf8(entry).trimmed();
}

QByteArray TagAttribute::entryForName(const QString &name)
{
    return name.toUtf8();
}

QByteArray TagAttribute::encoded(const QList<QByteArray> &entries)
{
    return entries.join(',');
}

QList<QByteArray> TagAttribute::decoded(const QByteArray &value)
{
    QList<QByteArray> entries;
    for (const QByteArray &part : value.split(',')) {
        if (!part.trimmed().isEmpty())
            entries.append(part);
    }
    return entries;
}

std::optional<QString> TagAttribute::unstorableName(const QString &name)
{
    if (name.contains(QLatin1Char(',')))
        return QStringLiteral("The tag name '%1' cannot contain a comma").arg(name);
    return std::nullopt;
}
