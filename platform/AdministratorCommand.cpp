#include "platform/AdministratorCommand.h"

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

QByteArray AdministratorCommand::moveCommand(const std::filesystem::path &item,
                                             const std::filesystem::path &destination)
{
    return "mv -n -- " + shellQuoted(item.native()) + ' ' + shellQuoted(destination.native());
}

QByteArray
AdministratorCommand::moveCommands(const std::vector<std::pair<std::filesystem::path, std::filesystem::path>> &moves)
{
    QByteArray command;
    for (const auto &[item, destination] : moves) {
        if (!command.isEmpty())
            command += "; ";
        command += moveCommand(item, destination);
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
