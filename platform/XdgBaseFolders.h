// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The folders a home's programs keep their settings, data, caches and state in. Each is the home's usual one
// unless its XDG variable names another: for any home, one that lies inside it; for the running user's own home
// also one outside it, but only a folder that belongs to the home's owner, who is not root, and that nobody else
// may write in, so that the environment can never lead a scan or a move into the system's folders or into
// somebody else's. A variable that is empty, relative, or names the home or a folder holding it, is ignored, as the
// base directory rules ask; so is one that names a folder outside the home that is not there.
struct XdgBaseFolders {
    // A folder outside the home that a variable names and that is not used.
    struct PassedOver {
        enum class Reason {
            rootsHome,        // the home belongs to root, whose folders outside it are the system's
            notHomeOwners,    // the folder belongs to somebody other than the home's owner
            writableByOthers, // its group or everybody may write in it
        };
        std::string variable; // "XDG_CONFIG_HOME"
        std::filesystem::path folder;
        Reason reason;

        bool operator==(const PassedOver &) const = default;
    };

    std::filesystem::path config;
    std::filesystem::path data;
    std::filesystem::path cache;
    std::filesystem::path state;
    // In the order of the folders above.
    std::vector<PassedOver> passedOver;

    static XdgBaseFolders of(const std::filesystem::path &home);
    // Whether `home` is the running user's own, as $HOME names it.
    static bool isOwnHome(const std::filesystem::path &home);
};
