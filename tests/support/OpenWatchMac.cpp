// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OpenWatch.h"

// The Mac's file events do not tell opens.
OpenWatch::OpenWatch(const std::filesystem::path &) {}

OpenWatch::~OpenWatch() = default;

std::optional<bool> OpenWatch::opened() const
{
    return std::nullopt;
}
