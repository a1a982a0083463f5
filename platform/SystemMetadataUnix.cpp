// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SystemMetadata.h"

namespace fs = std::filesystem;

std::optional<QDateTime> SystemMetadata::lastUsedDate(const fs::path &)
{
    return std::nullopt;
}

std::optional<fs::path> SystemMetadata::applicationForBundleIdentifier(const QString &)
{
    return std::nullopt;
}
