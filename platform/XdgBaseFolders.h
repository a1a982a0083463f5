// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>

// The folders a home's programs keep their settings, data, caches and state in. Each is the home's usual one
// unless its XDG variable names another: for the running user's own home, wherever it points; for any other
// home, only when it lies inside that home. A variable that is empty, relative, or names the home or a folder
// holding it, is ignored, as the base directory rules ask.
struct XdgBaseFolders {
    std::filesystem::path config;
    std::filesystem::path data;
    std::filesystem::path cache;
    std::filesystem::path state;

    static XdgBaseFolders of(const std::filesystem::path &home);
    // Whether `home` is the running user's own, as $HOME names it.
    static bool isOwnHome(const std::filesystem::path &home);
};
