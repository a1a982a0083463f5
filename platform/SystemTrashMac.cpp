// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SystemTrash.h"

#include <QFile>

namespace {

// Finder's Trash through the file manager's trashItemAtURL:resultingItemURL:error:, which QFile calls on the Mac.
class FinderTrash : public SystemTrash {
public:
    Moved moveToTrash(const std::filesystem::path &path) const override
    {
        QFile item(QFile::decodeName(path.c_str()));
        if (!item.moveToTrash())
            return {std::nullopt, item.errorString()};
        return {std::filesystem::path(QFile::encodeName(item.fileName()).toStdString()), QString()};
    }
};

} // namespace

const SystemTrash *SystemTrash::ofSystem()
{
    static const FinderTrash trash;
    return &trash;
}
