// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

// A rename that never replaces anything: it fails with EEXIST (or ENOTEMPTY) when something is at the
// destination. Names are taken relative to folder descriptors, or to the working folder with AT_FDCWD.
class ExclusiveRename {
public:
    // Renames `from` in `fromFolder` to `to` in `toFolder`. Returns 0 or the error number.
    static int rename(int fromFolder, const char *from, int toFolder, const char *to, bool isDirectory);

private:
    // The system's own rename that refuses to replace: 0 or the error number, or nothing where the system or the
    // file system has none.
    static std::optional<int> refusingRename(int fromFolder, const char *from, int toFolder, const char *to);
};
