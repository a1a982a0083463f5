// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <filesystem>
#include <optional>

struct RunningApplication {
    std::optional<QString> bundleIdentifier;
    std::optional<std::filesystem::path> bundlePath;
    std::optional<QString> localizedName;
};
