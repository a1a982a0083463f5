// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>
#include <filesystem>
#include <optional>

// What the running system itself knows about files and applications beyond the file system: on the Mac,
// Spotlight's last-used dates and Launch Services' application register. Other systems keep neither.
class SystemMetadata {
public:
    static std::optional<QDateTime> lastUsedDate(const std::filesystem::path &path);
    static std::optional<std::filesystem::path> applicationForBundleIdentifier(const QString &identifier);
};
