#pragma once

#include <QByteArray>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

// The text of the shell command that moves protected items to the user's Trash with administrator rights, and
// of the AppleScript that runs it. Paths travel as their exact bytes, each as one shell word.
class AdministratorCommand {
public:
    // The bytes as one single-quoted shell word; every ' becomes '\'' (close the quote, a quoted quote, reopen).
    static QByteArray shellQuoted(const std::string &bytes);
    // "mv -n -- ITEM DESTINATION", both quoted. `destination` names the item's free place in the Trash; -n
    // makes sure that nothing there is ever replaced, -- that no path is read as an option.
    static QByteArray moveCommand(const std::filesystem::path &item, const std::filesystem::path &destination);
    // The move commands of several (item, destination) pairs, in order, joined by "; ": one run moves them all,
    // and an item that fails does not stop the ones after it.
    static QByteArray moveCommands(const std::vector<std::pair<std::filesystem::path, std::filesystem::path>> &moves);
    // A double-quoted AppleScript string literal whose value is `text` unchanged.
    static QByteArray appleScriptStringLiteral(const QByteArray &text);
    // The AppleScript that runs `command` through the shell after the system has asked for administrator rights.
    static QByteArray appleScriptSource(const QByteArray &command);
};
