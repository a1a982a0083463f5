// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>

#include "scanner/SessionQuestions.h"

// The session's questions on the command line: the question for administrator rights is asked on the terminal
// when there is one, and declined otherwise; failures are told on standard error.
class CliQuestions : public SessionQuestions {
    Q_DECLARE_TR_FUNCTIONS(CliQuestions)

public:
    explicit CliQuestions(bool askOnTerminal = false);

    AdministratorAnswer askForAdministratorRights(const AdministratorRequest &request) override;
    void tellTrashFailure(const TrashFailure &failure) override;

private:
    bool m_askOnTerminal;
};
