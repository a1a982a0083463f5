// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/AdministratorMove.h"

#include <QByteArray>
#include <filesystem>
#include <string>
#include <vector>

// The command that moves protected items to the user's Trash with administrator rights: the helper program
// leftscan-admin-trash, which lies beside the program that starts it, with arguments of exact bytes: the folder the
// Trash lies in and the Trash folder below it, then for each item the resolved folder that holds it, its name in that
// folder and the name reserved for it in the Trash. A Trash folder named FinderTrash::FolderName is the Mac's, whose
// items lie in it directly; any other is a freedesktop Trash, whose items go to its files/ folder. On the Mac the
// arguments reach the helper through the shell of an AppleScript, as single-quoted words.
class AdministratorCommand {
public:
    static constexpr const char *HelperName = "leftscan-admin-trash";

    // The helper's command line for the moves into the Trash folder `relative` below `base`, the helper itself first.
    static std::vector<std::string> arguments(const std::filesystem::path &helper, const std::filesystem::path &base,
                                              const std::filesystem::path &relative,
                                              const std::vector<AdministratorMove> &moves);
    // The bytes as one single-quoted shell word; every ' becomes '\'' (close the quote, a quoted quote, reopen).
    static QByteArray shellQuoted(const std::string &bytes);
    // The words as one shell command line, each word quoted.
    static QByteArray shellCommand(const std::vector<std::string> &words);
    // A double-quoted AppleScript string literal whose value is `text` unchanged.
    static QByteArray appleScriptStringLiteral(const QByteArray &text);
    // The AppleScript that runs `command` through the shell after the system has asked for administrator rights.
    static QByteArray appleScriptSource(const QByteArray &command);
};
