#pragma once

#include <QByteArray>
#include <string>
#include <vector>

// The system's own programs behind the automation check and the privileged commands: osascript on the Mac,
// pkexec elsewhere.
class SystemPrograms {
public:
    static bool isMacOS();
    // The command line that asks whether this program may drive others; empty where the system has no such control.
    static std::vector<std::string> automationProbe();
    // The command line that runs the shell command `command` with administrator rights, after asking the user.
    static std::vector<std::string> administratorCommand(const QByteArray &command);
};
