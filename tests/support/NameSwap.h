// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>

// Exchanges the entries at two paths in one step, as the system's own exchanging rename does: for a test that races
// the program by putting one thing in the place of another. Returns whether the exchange took place.
bool swapNames(const std::filesystem::path &first, const std::filesystem::path &second);
