// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/AdministratorCommand.h"

namespace fs = std::filesystem;

std::vector<std::string> AdministratorCommand::arguments(const fs::path &helper, const fs::path &base,
                                                         const fs::path &relative,
                                                         const std::vector<AdministratorMove> &moves)
{
    std::vector<std::string> words{helper.native(), base.native(), relative.native()};
    for (const AdministratorMove &move : moves) {
        words.push_back(move.folder.native());
        words.push_back(move.item.filename().native());
        words.push_back(move.slot.destination.filename().native());
    }
    return words;
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
