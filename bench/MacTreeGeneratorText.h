// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/PropertyListWriter.h"

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

// Text helpers shared by the tree generator's files.
namespace MacTreeText {

inline constexpr std::time_t Day = 24 * 60 * 60;

std::string lower(std::string_view text);
std::string capitalized(std::string_view text);
// "Photo Forge Pro" -> "PhotoForgePro": ASCII letters and digits only.
std::string compact(std::string_view name);
// "Photo Forge Pro" -> "photo-forge-pro"
std::string dashed(std::string_view name);
bool endsWith(std::string_view text, std::string_view ending);
// A name that is still free in a folder: "name 2", or "stem-2.ext" for names with a known extension.
std::string numberedVariant(const std::string &name, int number);
std::string isoDate(std::time_t time);
PropertyListWriter stringArray(const std::vector<std::string> &values);

} // namespace MacTreeText
