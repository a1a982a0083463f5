// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CliQuestions.h"

#include "cli/TerminalText.h"
#include "ui/FailureText.h"

#include <cstdio>
#include <iostream>
#include <string>

CliQuestions::CliQuestions(bool askOnTerminal)
    : m_askOnTerminal(askOnTerminal)
{}

SessionQuestions::AdministratorAnswer CliQuestions::askForAdministratorRights(const AdministratorRequest &request)
{
    const QString question =
        request.itemCount == 1
            ? tr("The item '%1' requires administrator privileges to move to Trash.").arg(request.firstItemName)
            : tr("%n item(s) require administrator privileges to move to Trash.", nullptr, request.itemCount);
    std::fprintf(stderr, "%s\n", TerminalText::lines(question).constData());
    if (!m_askOnTerminal) {
        std::fprintf(stderr, "%s\n", tr("→ Cancel (no terminal to ask on)").toUtf8().constData());
        return AdministratorAnswer::decline;
    }
    std::fprintf(stderr, "%s ", tr("Continue with administrator rights? [y/N]").toUtf8().constData());
    std::fflush(stderr);
    std::string answer;
    if (std::getline(std::cin, answer) && (answer == "y" || answer == "Y" || answer == "yes"))
        return AdministratorAnswer::proceed;
    return AdministratorAnswer::decline;
}

void CliQuestions::tellTrashFailure(const TrashFailure &failure)
{
    std::fprintf(stderr, "leftscan-cli: %s\n",
                 tr("%1 could not be moved to the Trash: %2")
                     .arg(QString::fromUtf8(TerminalText::text(failure.itemName)),
                          QString::fromUtf8(TerminalText::text(FailureText::of(failure.reason))))
                     .toUtf8()
                     .constData());
}
