// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/XdgBaseFolders.h"

#include <cstdlib>
#include <optional>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

fs::path normal(const fs::path &path)
{
    std::string text = path.lexically_normal().native();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return fs::path(text);
}

bool below(const fs::path &folder, const fs::path &path)
{
    const std::string &outer = folder.native();
    const std::string &inner = path.native();
    return inner.size() > outer.size() && inner.compare(0, outer.size(), outer) == 0 &&
           (outer.back() == '/' || inner[outer.size()] == '/');
}

// Why a folder outside the home may not stand for one of its base folders; absent when it may.
std::optional<XdgBaseFolders::PassedOver::Reason> objection(const struct stat &folder, uid_t homeOwner)
{
    using Reason = XdgBaseFolders::PassedOver::Reason;
    if (homeOwner == 0)
        return Reason::rootsHome;
    if (folder.st_uid != homeOwner)
        return Reason::notHomeOwners;
    if ((folder.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return Reason::writableByOthers;
    return std::nullopt;
}

} // namespace

bool XdgBaseFolders::isOwnHome(const fs::path &home)
{
    const char *ownHome = std::getenv("HOME");
    return ownHome && *ownHome == '/' && normal(ownHome) == normal(home);
}

XdgBaseFolders XdgBaseFolders::of(const fs::path &home)
{
    const fs::path base = normal(home);
    const bool own = isOwnHome(home);
    std::optional<uid_t> homeOwner;
    if (struct stat info{}; own && stat(home.c_str(), &info) == 0)
        homeOwner = info.st_uid;
    XdgBaseFolders folders;
    const auto folder = [&](const char *variable, const char *usual) {
        const char *value = std::getenv(variable);
        if (!value || *value != '/')
            return home / usual;
        const fs::path named = normal(value);
        if (named == base || below(named, base))
            return home / usual;
        if (below(base, named))
            return named;
        struct stat info {};
        if (!homeOwner || stat(named.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
            return home / usual;
        if (const auto reason = objection(info, *homeOwner)) {
            folders.passedOver.push_back({variable, named, *reason});
            return home / usual;
        }
        return named;
    };
    folders.config = folder("XDG_CONFIG_HOME", ".config");
    folders.data = folder("XDG_DATA_HOME", ".local/share");
    folders.cache = folder("XDG_CACHE_HOME", ".cache");
    folders.state = folder("XDG_STATE_HOME", ".local/state");
    return folders;
}
