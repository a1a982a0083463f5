// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>

// A small, realistic Mac file tree in a new temporary folder, for trying the program out without a Mac:
// installed applications with their bundles, what they keep in the Library folders, what applications
// removed long ago left there, the system's own entries that a scan passes over, installer receipts,
// command-line tools, Homebrew formulae and Java installations. The content is always the same; its dates
// count back from the current time. The tree is removed again when the object goes away.
class DemoHome {
public:
    // Throws std::runtime_error when the folder cannot be made or filled.
    DemoHome();
    ~DemoHome();
    DemoHome(const DemoHome &) = delete;
    DemoHome &operator=(const DemoHome &) = delete;

    // The folder that stands for "/" of the demo system.
    const std::filesystem::path &root() const { return m_root; }
    // The demo user's home folder, root/Users/demo.
    std::filesystem::path home() const;

private:
    void removeTree() noexcept;

    std::filesystem::path m_root;
};
