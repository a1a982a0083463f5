// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <sys/types.h>

// The extended attribute in which the system keeps an item's tags, and how its value lists them: on the Mac a
// binary property list of Finder's entries, on other systems the desktop's comma-separated names. Never follows a
// symbolic link. The accessors return what the system calls return, with errno set on failure.
class TagAttribute {
public:
    static int set(const std::filesystem::path &path, const QByteArray &value);
    static ssize_t get(const std::filesystem::path &path, char *buffer, std::size_t size);
    // Removing tags that are not there succeeds, as long as the item itself is there.
    static int remove(const std::filesystem::path &path);

    // An entry is a tag's name and whatever else the system stores with it, as the bytes the value holds, so that
    // tags another program wrote are written back exactly as they were, whatever their encoding.
    static QString nameOfEntry(const QByteArray &entry);
    static QByteArray entryForName(const QString &name);
    static QByteArray encoded(const QList<QByteArray> &entries);
    static QList<QByteArray> decoded(const QByteArray &value);
    // Why a tag of this name cannot be stored, if it cannot.
    static std::optional<QString> unstorableName(const QString &name);
};
