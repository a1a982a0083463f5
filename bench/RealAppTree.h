// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

// A Mac tree made from well-known applications and the entries they really leave in the Library folders (read
// from a table, see real-apps.tsv). One part of the applications is installed as bundles with an Info.plist; the
// entries of the others are left behind with old dates, as after their removal. The output folder stands for
// "/"; the user's home is Users/bench inside it.
class RealAppTree {
public:
    struct App {
        std::string name;
        std::string bundleID;
        std::vector<std::string> entries; // relative to the user's Library, or starting with /Library/
        bool alwaysInstalled = false;     // an application of the system, without entries of its own
    };

    // Who an entry of the written tree belongs to.
    struct Owner {
        std::size_t app;
        bool installed;
    };

    // Throws std::runtime_error when the table cannot be read or a row is malformed.
    static std::vector<App> readTable(const std::filesystem::path &table);

    // Writes the tree; the applications whose position in the table has the parity `installedParity` are
    // installed. Returns the owner of every entry written, by its absolute path. An entry that an earlier
    // application already wrote keeps that owner.
    static std::map<std::filesystem::path, Owner> write(const std::vector<App> &apps, const std::filesystem::path &root,
                                                        int installedParity, std::time_t now);

    static std::filesystem::path home(const std::filesystem::path &root) { return root / "Users" / "bench"; }
};
