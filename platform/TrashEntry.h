// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <filesystem>
#include <optional>

// One item of a Trash folder with where it came from, as its restore information tells.
struct TrashEntry {
    std::filesystem::path trashedPath;
    std::filesystem::path originalPath;
    std::optional<QDateTime> deletionDate;
};
