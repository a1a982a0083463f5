// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FileTags.h"

#include "platform/PathNames.h"
#include "platform/TagAttribute.h"

#include <algorithm>
#include <cerrno>

namespace fs = std::filesystem;

namespace {

bool isColourName(const QString &name)
{
    return std::any_of(FileTags::ColourNames.begin(), FileTags::ColourNames.end(),
                       [&](const char *colour) { return name == QLatin1String(colour); });
}

QByteArray attributeValue(const fs::path &path)
{
    // The value may grow between asking for its size and reading it.
    for (int attempt = 0; attempt < 4; ++attempt) {
        const ssize_t size = TagAttribute::get(path, nullptr, 0);
        if (size <= 0)
            return {};
        QByteArray value(qsizetype(size), Qt::Uninitialized);
        const ssize_t read = TagAttribute::get(path, value.data(), std::size_t(value.size()));
        if (read >= 0) {
            value.truncate(qsizetype(read));
            return value;
        }
        if (errno != ERANGE)
            return {};
    }
    return {};
}

std::optional<QString> unstorableName(const QStringList &names)
{
    for (const QString &name : names) {
        if (name.trimmed().isEmpty())
            return QStringLiteral("A tag needs a name");
        if (auto problem = TagAttribute::unstorableName(name))
            return problem;
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> FileTags::setTags(const fs::path &path, const QStringList &names)
{
    if (const auto problem = unstorableName(names))
        return problem;

    // The user's own tags stay as they were, in their order, ahead of the new ones.
    QList<QByteArray> entries;
    QStringList present;
    for (const QByteArray &entry : TagAttribute::decoded(attributeValue(path))) {
        const QString name = TagAttribute::nameOfEntry(entry);
        if (isColourName(name))
            continue;
        entries.append(entry);
        present.append(name);
    }
    for (const QString &name : names) {
        if (present.contains(name))
            continue;
        entries.append(TagAttribute::entryForName(name));
        present.append(name);
    }

    int error = 0;
    if (entries.isEmpty()) {
        if (TagAttribute::remove(path) != 0)
            error = errno;
    } else {
        const QByteArray value = TagAttribute::encoded(entries);
        if (value.isEmpty())
            error = EINVAL;
        else if (TagAttribute::set(path, value) != 0)
            error = errno;
    }
    if (error != 0) {
        QString reason = qt_error_string(error);
        if (!reason.isEmpty())
            reason[0] = reason[0].toUpper();
        return reason;
    }
    return std::nullopt;
}

QStringList FileTags::tags(const fs::path &path)
{
    QStringList names;
    for (const QByteArray &entry : TagAttribute::decoded(attributeValue(path)))
        names.append(TagAttribute::nameOfEntry(entry));
    return names;
}
