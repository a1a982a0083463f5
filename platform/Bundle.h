// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/PropertyList.h"

#include <QString>
#include <filesystem>
#include <optional>

// An opened bundle folder: its identifier and its info dictionary, each absent when the bundle has none.
struct Bundle {
    std::filesystem::path path;
    std::optional<QString> identifier;
    std::optional<PropertyList> info;
};
