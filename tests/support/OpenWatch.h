// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <optional>

// Watches one file, pipe or device node for being opened by anybody, from its making on. The path is looked up by
// the watch without opening what it names.
class OpenWatch {
public:
    explicit OpenWatch(const std::filesystem::path &path);
    ~OpenWatch();
    OpenWatch(const OpenWatch &) = delete;
    OpenWatch &operator=(const OpenWatch &) = delete;

    // Whether it has been opened since; absent where the system offers no such watch.
    std::optional<bool> opened() const;

private:
    [[maybe_unused]] int m_descriptor = -1;
};
