// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scanner/FailureReason.h"

#include <QString>

// What a scan session needs a person to decide, or to know, while it acts. The window asks with its dialogs, the
// command line on the terminal, tests from a script; the session only ever sees the typed answer.
class SessionQuestions {
public:
    // Items that the ordinary Trash refused for lack of permission: may a privileged run move them?
    struct AdministratorRequest {
        int itemCount = 1;
        QString firstItemName;
    };
    enum class AdministratorAnswer { proceed, decline };

    // An item that could not be moved to the Trash.
    struct TrashFailure {
        QString itemName;
        FailureReason reason;
        // The privileged move was tried and failed, for `reason`; `trashRefusal` is why the ordinary Trash refused
        // the item before.
        bool privilegedMoveFailed = false;
        FailureReason trashRefusal{};
    };

    virtual ~SessionQuestions() = default;

    virtual AdministratorAnswer askForAdministratorRights(const AdministratorRequest &request) = 0;
    virtual void tellTrashFailure(const TrashFailure &failure) = 0;
};
