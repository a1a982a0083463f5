// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/PosixPlatform.h"

#include <atomic>
#include <filesystem>
#include <optional>
#include <vector>

// The administrator's password dialog cannot appear in a test. This platform runs the privileged helper directly
// instead, after making the folders in `grantedFolders` writable for as long as it runs, as they would be for the
// administrator. It can also be told that the ordinary Trash refuses every item, as it does for protected folders on
// a Mac, and whether it stands for a Mac.
class AdministratorPlatform : public PosixPlatform {
public:
    using PosixPlatform::PosixPlatform;

    bool trashRefuses = false;
    bool macOS = false;
    std::vector<std::filesystem::path> grantedFolders;
    // Returned instead of running the command, when set.
    std::optional<ScriptOutcome> scriptedOutcome;

    int commandRuns() const { return m_commandRuns; }

    TrashOutcome moveToTrash(const std::filesystem::path &item, const std::filesystem::path &folder) const override;
    ScriptOutcome runAdministratorCommand(const std::vector<std::string> &arguments) const override;
    bool isMacOS() const override { return macOS; }

private:
    mutable std::atomic<int> m_commandRuns = 0;
};
