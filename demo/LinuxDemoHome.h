// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>

// A small, realistic Linux desktop in a new temporary folder, for trying the Linux profile out: packages
// installed and removed in dpkg's database with their file lists, programs, menu entries, a Flatpak app, a snap
// and a folder in /opt, and a home with what installed and removed applications keep there, autostart entries,
// user services and the desktop's own files. The content is always the same; its dates count back from the
// current time. The tree is removed again when the object goes away.
class LinuxDemoHome {
public:
    // Throws std::runtime_error when the folder cannot be made or filled.
    LinuxDemoHome();
    ~LinuxDemoHome();
    LinuxDemoHome(const LinuxDemoHome &) = delete;
    LinuxDemoHome &operator=(const LinuxDemoHome &) = delete;

    // The folder that stands for "/" of the demo system.
    const std::filesystem::path &root() const { return m_root; }
    // The demo user's home folder, root/home/demo.
    std::filesystem::path home() const;

private:
    std::filesystem::path m_root;
};
