// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <filesystem>

// What became of an item that was to be put back from the Trash: where it went, or why it stayed.
struct RestoreOutcome {
    bool success = false;
    std::filesystem::path restoredPath;
    QString errorDescription;
    // Why it stayed, in words for a sentence that names the item already.
    QString reason;
    // The item is still in the Trash, so that putting it back may be tried again.
    bool stillInTrash = false;

    // The failure to put back what came from `original`, with `reason` as the end of a sentence.
    static RestoreOutcome cannotPutBack(const std::filesystem::path &original, QString reason,
                                        bool stillInTrash = true);
};
