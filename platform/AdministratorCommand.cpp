// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/AdministratorCommand.h"

#include "platform/FreedesktopTrash.h"

namespace fs = std::filesystem;

std::vector<std::string> AdministratorCommand::arguments(const fs::path &helper, const FreedesktopTrash &trash,
                                                         const std::vector<AdministratorMove> &moves)
{
    std::vector<std::string> words{helper.native(), trash.base().native(), trash.relative().native()};
    for (const AdministratorMove &move : moves) {
        words.push_back(move.folder.native());
        words.push_back(move.item.filename().native());
        words.push_back(move.slot.destination.filename().native());
    }
    return words;
}

int AdministratorCommand::runHelper(const std::vector<std::string> &arguments, std::string &errors)
{
    if (arguments.size() < 5 || (arguments.size() - 2) % 3 != 0) {
        errors += std::string(HelperName) + ": usage: TRASH-BASE TRASH-FOLDER FOLDER NAME RESERVED-NAME...\n";
        return 2;
    }
    const FreedesktopTrash trash{fs::path(arguments[0]), fs::path(arguments[1])};
    int failed = 0;
    for (std::size_t i = 2; i < arguments.size(); i += 3) {
        const TrashOutcome outcome = trash.moveToReservation(arguments[i], arguments[i + 1], arguments[i + 2]);
        if (outcome.success)
            continue;
        errors += outcome.errorDescription.toStdString() + '\n';
        ++failed;
    }
    return failed == 0 ? 0 : 1;
}

QByteArray AdministratorCommand::shellQuoted(const std::string &bytes)
{
    QByteArray word;
    word.reserve(qsizetype(bytes.size()) + 2);
    word += '\'';
    for (const char c : bytes) {
        if (c == '\'')
            word += "'\\''";
        else
            word += c;
    }
    word += '\'';
    return word;
}

QByteArray AdministratorCommand::shellCommand(const std::vector<std::string> &words)
{
    QByteArray command;
    for (const std::string &word : words) {
        if (!command.isEmpty())
            command += ' ';
        command += shellQuoted(word);
    }
    return command;
}

QByteArray AdministratorCommand::appleScriptStringLiteral(const QByteArray &text)
{
    QByteArray literal;
    literal.reserve(text.size() + 2);
    literal += '"';
    for (const char c : text) {
        if (c == '\\' || c == '"')
            literal += '\\';
        literal += c;
    }
    literal += '"';
    return literal;
}

QByteArray AdministratorCommand::appleScriptSource(const QByteArray &command)
{
    return "do shell script " + appleScriptStringLiteral(command) + " with administrator privileges";
}
