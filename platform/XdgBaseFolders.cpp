// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/XdgBaseFolders.h"

#include <cstdlib>
#include <string>

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
    const auto folder = [&](const char *variable, const char *usual) {
        const char *value = std::getenv(variable);
        if (value && *value == '/') {
            const fs::path named = normal(value);
            const bool holdsHome = named == base || below(named, base);
            if (!holdsHome && (own || below(base, named)))
                return named;
        }
        return home / usual;
    };
    return {folder("XDG_CONFIG_HOME", ".config"), folder("XDG_DATA_HOME", ".local/share"),
            folder("XDG_CACHE_HOME", ".cache"), folder("XDG_STATE_HOME", ".local/state")};
}
