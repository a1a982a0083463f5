// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <cerrno>
#include <filesystem>
#include <optional>

// What became of an item that was to go to the Trash: where it went, or why it did not.
struct TrashOutcome {
    bool success = false;
    std::filesystem::path trashedPath;
    QString errorDescription;
    // The system's error number when the item itself could not be reached or moved; 0 for other failures, such
    // as a Trash folder that cannot be used.
    int errorNumber = 0;
    // Why it did not, in words for a sentence that names the item already: "Permission denied".
    QString reason{};

    // The item may not be changed where it is, by this user or on this file system; nothing else is wrong.
    bool permissionDenied() const { return errorNumber == EACCES || errorNumber == EPERM || errorNumber == EROFS; }

    // The failure to move `item`, with `reason` as the end of a sentence: "it no longer exists".
    static TrashOutcome cannotMove(const std::filesystem::path &item, QString reason, int errorNumber = 0);
    // The line that tells why the item `name` did not go, as the description and the administrator's helper put it:
    // "Cannot move 'NAME' to the Trash: REASON".
    static QString failureLine(const QString &name, const QString &reason);
    // The reason of the first line of `said` that is such a line for `name`, made to start a sentence; absent when
    // none is.
    static std::optional<QString> reasonIn(const QString &said, const QString &name);
};
