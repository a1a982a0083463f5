// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AdministratorPlatform.h"

#include "admintrash/AdministratorHelper.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A folder of its own in the system's temporary folder, open to everybody and removed at the end.
class ReachableFolder {
public:
    ReachableFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "leftscan-helper-XXXXXX").native();
        if (mkdtemp(pattern.data()))
            m_path = pattern;
        chmod(m_path.c_str(), 0755);
    }
    ~ReachableFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    const std::filesystem::path &path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace

std::filesystem::path AdministratorPlatform::standIn()
{
    static const std::filesystem::path program = [] {
        // Built beside leftscan-cli, not beside the tests.
        const std::filesystem::path built = std::filesystem::path(qgetenv("LEFTSCAN_CLI").toStdString()).parent_path() /
                                            "leftscan-admin-trash-stand-in";
        static const ReachableFolder folder;
        const std::filesystem::path reachable = folder.path() / built.filename();
        std::error_code error;
        std::filesystem::create_hard_link(built, reachable, error);
        if (error)
            std::filesystem::copy_file(built, reachable, error);
        return error ? built : reachable;
    }();
    return program;
}

TrashOutcome AdministratorPlatform::moveToTrash(const std::filesystem::path &item, const TrustedFolder &folder) const
{
    if (trashRefuses)
        return TrashOutcome{
            false, {}, QStringLiteral("Operation not permitted"), EPERM, QStringLiteral("Operation not permitted")};
    return PosixPlatform::moveToTrash(item, folder);
}

ScriptOutcome AdministratorPlatform::runAdministratorCommand(const std::vector<std::string> &arguments) const
{
    ++m_commandRuns;
    if (scriptedOutcome)
        return *scriptedOutcome;
    if (helperInProcess) {
        struct stat home {};
        if (lstat(homeDirectory().c_str(), &home) != 0)
            return ScriptOutcome{false, std::nullopt, QStringLiteral("The home is gone")};
        std::string errors;
        const int status =
            AdministratorHelper::run({arguments.begin() + 1, arguments.end()},
                                     {home.st_uid, home.st_gid, homeDirectory()}, errors, systemPath("/"));
        return ScriptOutcome{status == 0, std::nullopt, QString::fromStdString(errors).trimmed()};
    }
    std::vector<std::string> command{"env", "LEFTSCAN_TEST_HOME=" + homeDirectory().native(),
                                     "LEFTSCAN_TEST_ROOT=" + systemPath("/").native()};
    // The stand-in runs as a user who may not reach the build's folder, where the suppression files lie, and
    // ThreadSanitizer refuses to start without the file it is told to read.
    if (const QByteArray options = qgetenv("TSAN_OPTIONS"); !options.isEmpty()) {
        QString reachable = QString::fromLocal8Bit(options);
        reachable.remove(QRegularExpression(QStringLiteral("(^|[ :])suppressions=[^ :]*")));
        command.push_back("TSAN_OPTIONS=" + reachable.trimmed().toStdString());
    }
    command.push_back(standIn().native());
    command.insert(command.end(), arguments.begin() + 1, arguments.end());
    for (const std::filesystem::path &folder : grantedFolders)
        chmod(folder.c_str(), 0755);
    const ScriptOutcome outcome = runProgram(command);
    for (const std::filesystem::path &folder : grantedFolders)
        chmod(folder.c_str(), 0555);
    return outcome;
}
