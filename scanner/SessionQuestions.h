// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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
        QString reason; // in plain words
        // The privileged move was tried and failed; `refusedControl` when the system refused it the control it needs.
        bool privilegedMoveFailed = false;
        bool refusedControl = false;
        QString systemError{}; // the system's own description of why the ordinary Trash refused it
    };

    virtual ~SessionQuestions() = default;

    virtual AdministratorAnswer askForAdministratorRights(const AdministratorRequest &request) = 0;
    virtual void tellTrashFailure(const TrashFailure &failure) = 0;
};
