// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <filesystem>

// Shows an item selected in the desktop's file manager, through the freedesktop FileManager1 interface, or opens
// its folder when no file manager answers. Never waits for the file manager.
class FileManagerReveal {
public:
    static void reveal(const std::filesystem::path &item);
    // A file URI naming exactly the path's bytes, each byte outside the unreserved set percent-encoded.
    static QByteArray fileUri(const std::filesystem::path &path);
};
