// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Platform.h"

class SystemTrash;

// The platform on Linux and macOS through POSIX calls, over a configurable root folder (which stands for
// "/" of the scanned system) and home folder. With root "/" and the user's own home it is the live system.
class PosixPlatform : public Platform {
public:
    PosixPlatform(std::filesystem::path root, std::filesystem::path home);

    std::filesystem::path systemPath(std::string_view macPath) const override;
    std::filesystem::path homeDirectory() const override;
    std::optional<std::vector<ListedName>> listNames(const std::filesystem::path &folder, Hidden hidden) const override;
    std::optional<std::vector<DirectoryEntry>> listDirectory(const std::filesystem::path &folder,
                                                             Hidden hidden) const override;
    void walkTree(const std::filesystem::path &folder,
                  const std::function<void(const DirectoryEntry &)> &visit) const override;
    bool exists(const std::filesystem::path &path) const override;
    FileAttributes attributes(const std::filesystem::path &path) const override;
    std::optional<SizeMeasurement> measureSize(const std::filesystem::path &entry, bool disposable,
                                               const std::atomic<bool> *cancelled) const override;
    bool isReadable(const std::filesystem::path &path) const override;
    EntryKind entryKind(const std::filesystem::path &path) const override;
    std::optional<std::filesystem::path> resolvedPath(const std::filesystem::path &path) const override;
    std::shared_ptr<const TrustedFolder> holdFolder(const std::filesystem::path &folder) const override;
    std::optional<FileIdentity> identity(const std::filesystem::path &path) const override;
    std::optional<std::filesystem::path> linkTarget(const std::filesystem::path &link) const override;
    std::optional<Bundle> openBundle(const std::filesystem::path &path) const override;
    std::optional<PropertyList> readPropertyList(const std::filesystem::path &path) const override;
    std::vector<RunningApplication> runningApplications() const override;
    std::optional<QByteArray> programOutput(const std::vector<std::string> &arguments,
                                            qint64 maximumSize) const override;
    TrashOutcome moveToTrash(const std::filesystem::path &item, const TrustedFolder &folder) const override;
    std::optional<TrashSlot> reserveTrashSlot(const std::filesystem::path &item) const override;
    void releaseTrashSlot(const TrashSlot &slot) const override;
    ScriptOutcome moveToTrashAsAdministrator(const std::vector<AdministratorMove> &moves) const override;
    std::vector<TrashEntry> trashEntriesFrom(const std::filesystem::path &original) const override;
    RestoreOutcome restoreFromTrash(const std::filesystem::path &trashedItem, const std::filesystem::path &original,
                                    const TrustedFolder &folder) const override;
    std::optional<QString> setTags(const std::filesystem::path &item, const QStringList &names) const override;
    ScriptOutcome runAutomationProbe() const override;
    bool isMacOS() const override;
    std::optional<std::filesystem::path> privacyDatabase() const override;
    // Where the privacy database is looked for in place of the home's own, also for a system read from elsewhere.
    void setPrivacyDatabase(std::filesystem::path database);
    std::optional<QDateTime> lastUsedDate(const std::filesystem::path &path) const override;
    std::optional<std::filesystem::path> applicationForBundleIdentifier(const QString &identifier) const override;

    // Runs a program with arguments of exact bytes with administrator rights, after the system has asked for them.
    virtual ScriptOutcome runAdministratorCommand(const std::vector<std::string> &arguments) const;

    // Files larger than this are not read as property lists: no Info.plist or launch job comes near it.
    static constexpr std::size_t MaximumPropertyListSize = 8 * 1024 * 1024;

protected:
    // The system's own Trash, where it keeps one that its file manager shows; null where the freedesktop Trash serves.
    virtual const SystemTrash *systemTrash() const;
    // Runs a program found on the PATH with arguments passed as exact bytes and describes how it ended, with what it
    // wrote on its standard error as the description of a failure. The error number is the one a script error
    // reports in parentheses at the end, such as "(-1743)", where there is one.
    static ScriptOutcome runProgram(const std::vector<std::string> &arguments);

private:
    bool isLiveSystem() const;

    std::filesystem::path m_root;
    std::filesystem::path m_home;
    std::optional<std::filesystem::path> m_privacyDatabase;
};
