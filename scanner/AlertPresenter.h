// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scanner/FailureReason.h"

#include <QList>
#include <QString>
#include <filesystem>

// How the engine asks the user something and opens system settings. It asks in values: what the question is about
// and which answers it offers; the window puts them into words and shows real dialogs, tests answer from a script.
class AlertPresenter {
public:
    enum class Answer { ok, proceed, openSettings, cancel };

    struct Alert {
        enum class Kind {
            fullDiskAccess,        // the scan needs access to all files
            automationAccess,      // moving protected items needs control of System Events
            rootAsHome,            // `folder`, the home, is the root folder
            unreadableFolder,      // `folder`, the home or its Library (`isLibrary`), cannot be read
            administratorRights,   // `itemCount` items, the first `itemName`, need administrator rights to move
            trashFailed,           // `itemName` was not moved, for `reason`
            privilegedTrashFailed, // `itemName` was not moved as administrator either, for `reason`
        };
        Kind kind;
        // The answers offered, in order; the first is the default, the last the one a dismissed alert gives.
        QList<Answer> answers;
        std::filesystem::path folder{};
        bool isLibrary = false;
        int itemCount = 1;
        QString itemName{};
        FailureReason reason{};
    };

    virtual ~AlertPresenter() = default;
    // Shows a modal warning alert and returns the chosen answer, one of those offered.
    virtual Answer ask(const Alert &alert) = 0;
    virtual void openLink(const QString &link) = 0;
};
