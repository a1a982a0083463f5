#include "AdministratorPlatform.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

extern char **environ;

TrashOutcome AdministratorPlatform::moveToTrash(const std::filesystem::path &item) const
{
    if (trashRefuses)
        return TrashOutcome{false, {}, QStringLiteral("Operation not permitted"), EPERM};
    return PosixPlatform::moveToTrash(item);
}

ScriptOutcome AdministratorPlatform::runAdministratorCommand(const QByteArray &command) const
{
    ++m_commandRuns;
    if (scriptedOutcome)
        return *scriptedOutcome;
    for (const std::filesystem::path &folder : grantedFolders)
        chmod(folder.c_str(), 0755);
    const std::string text = command.toStdString();
    char *argv[] = {const_cast<char *>("sh"), const_cast<char *>("-c"), const_cast<char *>(text.c_str()), nullptr};
    pid_t child = -1;
    int status = 0;
    const bool ran =
        posix_spawn(&child, "/bin/sh", nullptr, nullptr, argv, environ) == 0 && waitpid(child, &status, 0) >= 0;
    for (const std::filesystem::path &folder : grantedFolders)
        chmod(folder.c_str(), 0555);
    if (!ran)
        return ScriptOutcome{false, std::nullopt, QStringLiteral("sh did not run")};
    return ScriptOutcome{WIFEXITED(status) && WEXITSTATUS(status) == 0, std::nullopt, QString()};
}
