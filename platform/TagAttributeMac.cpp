// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/TagAttribute.h"

#include "platform/FileTags.h"

#include <cerrno>
#include <plist/plist.h>
#include <sys/xattr.h>

namespace fs = std::filesystem;

namespace {
constexpr const char *Name = "com.apple.metadata:_kMDItemUserTags";
}

int TagAttribute::set(const fs::path &path, const QByteArray &value)
{
    return setxattr(path.c_str(), Name, value.constData(), std::size_t(value.size()), 0, XATTR_NOFOLLOW);
}

ssize_t TagAttribute::get(const fs::path &path, char *buffer, std::size_t size)
{
    return getxattr(path.c_str(), Name, buffer, size, 0, XATTR_NOFOLLOW);
}

int TagAttribute::remove(const fs::path &path)
{
    const int result = removexattr(path.c_str(), Name, XATTR_NOFOLLOW);
    return result != 0 && errno == ENOATTR ? 0 : result;
}

// Finder stores a tag as its name, a line break and the number of its colour; tags of its own colour names carry
// that number, other tags the colour the user gave them, if any.
QString TagAttribute::nameOfEntry(const QByteArray &entry)
{
    return QString::fromUtf8(entry).section(QLatin1Char('\n'), 0, 0);
}

QByteArray TagAttribute::entryForName(const QString &name)
{
    for (std::size_t index = 0; index < FileTags::ColourNames.size(); ++index) {
        if (name == QLatin1String(FileTags::ColourNames[index]))
            return (name + QLatin1Char('\n') + QString::number(index + 1)).toUtf8();
    }
    return name.toUtf8();
}

QByteArray TagAttribute::encoded(const QList<QByteArray> &entries)
{
    plist_t array = plist_new_array();
    for (const QByteArray &entry : entries)
        plist_array_append_item(array, plist_new_string(entry.constData()));
    char *bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(array, &bytes, &length);
    plist_free(array);
    QByteArray value;
    if (bytes) {
        value = QByteArray(bytes, qsizetype(length));
        plist_to_bin_free(bytes);
    }
    return value;
}

QList<QByteArray> TagAttribute::decoded(const QByteArray &value)
{
    QList<QByteArray> entries;
    plist_t root = nullptr;
    plist_from_bin(value.constData(), uint32_t(value.size()), &root);
    if (!root)
        return entries;
    if (plist_get_node_type(root) == PLIST_ARRAY) {
        const uint32_t count = plist_array_get_size(root);
        for (uint32_t index = 0; index < count; ++index) {
            plist_t item = plist_array_get_item(root, index);
            if (plist_get_node_type(item) != PLIST_STRING)
                continue;
            uint64_t length = 0;
            const char *text = plist_get_string_ptr(item, &length);
            const QByteArray entry(text, qsizetype(length));
            if (!nameOfEntry(entry).isEmpty())
                entries.append(entry);
        }
    }
    plist_free(root);
    return entries;
}

std::optional<QString> TagAttribute::unstorableName(const QString &)
{
    return std::nullopt;
}
