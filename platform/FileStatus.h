// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QtGlobal>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <time.h>

// The parts of an item's status that each system reports in its own way.
class FileStatus {
public:
    struct Dates {
        std::optional<QDateTime> modified;
        std::optional<QDateTime> accessed;
        std::optional<QDateTime> created;
        bool isFolder = false;
        qint64 size = 0;
        uid_t owner = 0;
    };

    // Which mounted file system holds an item: its device and, where the system tells it, its mount, so that two
    // bind mounts of one file system are told apart.
    struct FileSystem {
        dev_t device = 0;
        unsigned long long mount = 0;

        bool operator==(const FileSystem &) const = default;
    };

    // The item's own dates, kind and size, never through a symbolic link; absent when it cannot be read.
    static std::optional<Dates> read(const std::filesystem::path &path);
    static std::optional<FileSystem> fileSystemOf(const std::filesystem::path &path);
    static timespec accessTime(const struct stat &info);
    static timespec modificationTime(const struct stat &info);
};
