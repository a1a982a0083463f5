#include "platform/SystemPrograms.h"

bool SystemPrograms::isMacOS()
{
    return false;
}

std::vector<std::string> SystemPrograms::automationProbe()
{
    // Linux has no control over which programs may drive others.
    return {};
}

std::vector<std::string> SystemPrograms::administratorCommand(const QByteArray &command)
{
    // pkexec asks through the desktop's authentication agent; the command's bytes reach the shell unchanged.
    return {"pkexec", "/bin/sh", "-c", command.toStdString()};
}
