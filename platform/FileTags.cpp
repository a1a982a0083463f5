#include "platform/FileTags.h"

#include "platform/PathNames.h"

#include <cerrno>
#include <sys/types.h>
#include <sys/xattr.h>

#include <algorithm>
#include <array>

#ifdef __APPLE__
#include <plist/plist.h>
#endif

namespace fs = std::filesystem;

namespace {

#ifdef __APPLE__
constexpr const char *TagAttribute = "com.apple.metadata:_kMDItemUserTags";
#else
constexpr const char *TagAttribute = "user.xdg.tags";
#endif

// The colour tags, in the order of Finder's colour numbers 1 to 7.
constexpr std::array<const char *, 7> ColourNames = {"Gray", "Green", "Purple", "Blue", "Yellow", "Red", "Orange"};

bool isColourName(const QString &name)
{
    return std::any_of(ColourNames.begin(), ColourNames.end(),
                       [&](const char *colour) { return name == QLatin1String(colour); });
}

int setAttribute(const fs::path &path, const QByteArray &value)
{
#ifdef __APPLE__
    return setxattr(path.c_str(), TagAttribute, value.constData(), std::size_t(value.size()), 0, XATTR_NOFOLLOW);
#else
    return lsetxattr(path.c_str(), TagAttribute, value.constData(), std::size_t(value.size()), 0);
#endif
}

ssize_t getAttribute(const fs::path &path, char *buffer, std::size_t size)
{
#ifdef __APPLE__
    return getxattr(path.c_str(), TagAttribute, buffer, size, 0, XATTR_NOFOLLOW);
#else
    return lgetxattr(path.c_str(), TagAttribute, buffer, size);
#endif
}

// Removing tags that are not there succeeds, as long as the item itself is there.
int removeAttribute(const fs::path &path)
{
#ifdef __APPLE__
    const int result = removexattr(path.c_str(), TagAttribute, XATTR_NOFOLLOW);
    return result != 0 && errno == ENOATTR ? 0 : result;
#else
    const int result = lremovexattr(path.c_str(), TagAttribute);
    return result != 0 && errno == ENODATA ? 0 : result;
#endif
}

QByteArray attributeValue(const fs::path &path)
{
    // The value may grow between asking for its size and reading it.
    for (int attempt = 0; attempt < 4; ++attempt) {
        const ssize_t size = getAttribute(path, nullptr, 0);
        if (size <= 0)
            return {};
        QByteArray value(qsizetype(size), Qt::Uninitialized);
        const ssize_t read = getAttribute(path, value.data(), std::size_t(value.size()));
        if (read >= 0) {
            value.truncate(qsizetype(read));
            return value;
        }
        if (errno != ERANGE)
            return {};
    }
    return {};
}

// The tags are kept as a list of entries, each the tag's name and whatever else the system stores with it.
#ifdef __APPLE__
// Finder stores a tag as its name, a line break and the number of its colour; tags of its own colour names
// carry that number, other tags the colour the user gave them, if any.
QString nameOfEntry(const QString &entry)
{
    return entry.section(QLatin1Char('\n'), 0, 0);
}

QString entryForName(const QString &name)
{
    for (std::size_t index = 0; index < ColourNames.size(); ++index) {
        if (name == QLatin1String(ColourNames[index]))
            return name + QLatin1Char('\n') + QString::number(index + 1);
    }
    return name;
}

QByteArray encodedEntries(const QStringList &entries)
{
    plist_t array = plist_new_array();
    for (const QString &entry : entries)
        plist_array_append_item(array, plist_new_string(entry.toUtf8().constData()));
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

QStringList decodedEntries(const QByteArray &value)
{
    QStringList entries;
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
            const QString entry = QString::fromUtf8(text, qsizetype(length));
            if (!nameOfEntry(entry).isEmpty())
                entries.append(entry);
        }
    }
    plist_free(root);
    return entries;
}
#else
// The desktop stores the names alone, separated by commas.
QString nameOfEntry(const QString &entry)
{
    return entry;
}

QString entryForName(const QString &name)
{
    return name;
}

QByteArray encodedEntries(const QStringList &entries)
{
    return entries.join(QLatin1Char(',')).toUtf8();
}

QStringList decodedEntries(const QByteArray &value)
{
    QStringList entries;
    for (const QString &part : QString::fromUtf8(value).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString name = part.trimmed();
        if (!name.isEmpty())
            entries.append(name);
    }
    return entries;
}
#endif

std::optional<QString> unstorableName(const QStringList &names)
{
    for (const QString &name : names) {
        if (name.trimmed().isEmpty())
            return QStringLiteral("A tag needs a name");
#ifndef __APPLE__
        // The desktop's attribute separates the names with commas.
        if (name.contains(QLatin1Char(',')))
            return QStringLiteral("The tag name '%1' cannot contain a comma").arg(name);
#endif
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> FileTags::setTags(const fs::path &path, const QStringList &names)
{
    if (const auto problem = unstorableName(names))
        return QStringLiteral("Cannot tag '%1': %2").arg(PathNames::fileName(path), *problem);

    // The user's own tags stay as they were, in their order, ahead of the new ones.
    QStringList entries;
    QStringList present;
    for (const QString &entry : decodedEntries(attributeValue(path))) {
        const QString name = nameOfEntry(entry);
        if (isColourName(name))
            continue;
        entries.append(entry);
        present.append(name);
    }
    for (const QString &name : names) {
        if (present.contains(name))
            continue;
        entries.append(entryForName(name));
        present.append(name);
    }

    int error = 0;
    if (entries.isEmpty()) {
        if (removeAttribute(path) != 0)
            error = errno;
    } else {
        const QByteArray value = encodedEntries(entries);
        if (value.isEmpty())
            error = EINVAL;
        else if (setAttribute(path, value) != 0)
            error = errno;
    }
    if (error != 0)
        return QStringLiteral("Cannot tag '%1': %2").arg(PathNames::fileName(path), qt_error_string(error));
    return std::nullopt;
}

QStringList FileTags::tags(const fs::path &path)
{
    QStringList names;
    for (const QString &entry : decodedEntries(attributeValue(path)))
        names.append(nameOfEntry(entry));
    return names;
}
