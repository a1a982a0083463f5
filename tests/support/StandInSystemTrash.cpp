// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StandInSystemTrash.h"

#include "platform/ExclusiveRename.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>

StandInSystemTrash::StandInSystemTrash(std::filesystem::path folder)
    : m_folder(std::move(folder))
{}

SystemTrash::Moved StandInSystemTrash::moveToTrash(const std::filesystem::path &path) const
{
    if (beforeMove)
        beforeMove();
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0)
        return {std::nullopt, qt_error_string(errno)};
    std::filesystem::create_directories(m_folder);
    for (int number = 1; number < 100; ++number) {
        const std::string name = path.filename().native() + (number > 1 ? " " + std::to_string(number) : "");
        const std::filesystem::path destination = m_folder / name;
        const int error =
            ExclusiveRename::rename(AT_FDCWD, path.c_str(), AT_FDCWD, destination.c_str(), S_ISDIR(info.st_mode));
        if (error == 0)
            return {destination, QString()};
        if (error != EEXIST && error != ENOTEMPTY)
            return {std::nullopt, qt_error_string(error)};
    }
    return {std::nullopt, QStringLiteral("The Trash is full")};
}
