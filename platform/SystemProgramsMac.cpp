#include "platform/SystemPrograms.h"

#include "platform/AdministratorCommand.h"

bool SystemPrograms::isMacOS()
{
    return true;
}

std::vector<std::string> SystemPrograms::automationProbe()
{
    return {"/usr/bin/osascript", "-e", "tell application \"System Events\" to get name of first process"};
}

std::vector<std::string> SystemPrograms::administratorCommand(const QByteArray &command)
{
    return {"/usr/bin/osascript", "-e", AdministratorCommand::appleScriptSource(command).toStdString()};
}
