// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/PosixPlatform.h"

#include <atomic>
#include <filesystem>
#include <optional>
#include <vector>

// The administrator's password dialog cannot appear in a test. This platform runs the helper's stand-in directly
// instead, for the owner of its home, after making the folders in `grantedFolders` writable for as long as it runs,
// as they would be for the administrator. It can also be told that the ordinary Trash refuses every item, as it does
// for protected folders on a Mac, and whether it stands for a Mac.
class AdministratorPlatform : public PosixPlatform {
public:
    using PosixPlatform::PosixPlatform;

    bool trashRefuses = false;
    bool macOS = false;
    std::vector<std::filesystem::path> grantedFolders;
    // Returned instead of running the command, when set.
    std::optional<ScriptOutcome> scriptedOutcome;
    // Runs the helper's own code in this process instead of starting its stand-in: for races that try many times.
    bool helperInProcess = false;
    // The Mac's own Trash, which the tests never reach: the freedesktop Trash serves unless a stand-in is set.
    const SystemTrash *systemTrashStandIn = nullptr;

    int commandRuns() const { return m_commandRuns; }

    TrashOutcome moveToTrash(const std::filesystem::path &item, const TrustedFolder &folder) const override;
    ScriptOutcome runAdministratorCommand(const std::vector<std::string> &arguments) const override;
    bool isMacOS() const override { return macOS; }
    const SystemTrash *systemTrash() const override { return systemTrashStandIn; }

    // The helper's stand-in where every user can start it, also when the build lies in a folder closed to others:
    // called first by a test that runs as root, it serves the children that give root up too.
    static std::filesystem::path standIn();

private:
    mutable std::atomic<int> m_commandRuns = 0;
};
