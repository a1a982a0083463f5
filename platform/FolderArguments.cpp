// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FolderArguments.h"

#include "platform/PathNames.h"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

fs::path FolderArguments::defaultHome()
{
    if (const char *home = std::getenv("HOME"); home && *home)
        return fs::path(home);
    if (const passwd *user = getpwuid(getuid()); user && user->pw_dir)
        return fs::path(user->pw_dir);
    return fs::path("/");
}

std::optional<fs::path> FolderArguments::resolve(const fs::path &given, QString &error)
{
    struct stat info {};
    if (stat(given.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        error = QStringLiteral("no such folder: %1").arg(PathNames::text(given));
        return std::nullopt;
    }
    std::error_code ignored;
    std::string path = fs::absolute(given, ignored).lexically_normal().native();
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return fs::path(path);
}

bool FolderArguments::isFileSystemRoot(const fs::path &folder)
{
    std::error_code error;
    const fs::path resolved = fs::canonical(folder, error);
    return !error && resolved == fs::path("/");
}
