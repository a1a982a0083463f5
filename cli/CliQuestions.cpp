#include "cli/CliQuestions.h"

#include "cli/TerminalText.h"

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
            ? QStringLiteral("The item '%1' requires administrator privileges to move to Trash.")
                  .arg(request.firstItemName)
            : QStringLiteral("%1 items require administrator privileges to move to Trash.").arg(request.itemCount);
    std::fprintf(stderr, "%s\n", TerminalText::lines(question).constData());
    if (!m_askOnTerminal) {
        std::fputs("→ Cancel (no terminal to ask on)\n", stderr);
        return AdministratorAnswer::decline;
    }
    std::fputs("Continue with administrator rights? [y/N] ", stderr);
    std::fflush(stderr);
    std::string answer;
    if (std::getline(std::cin, answer) && (answer == "y" || answer == "Y" || answer == "yes"))
        return AdministratorAnswer::proceed;
    return AdministratorAnswer::decline;
}

void CliQuestions::tellTrashFailure(const TrashFailure &failure)
{
    std::fprintf(stderr, "leftscan-cli: %s could not be moved to the Trash: %s\n",
                 TerminalText::text(failure.itemName).constData(), TerminalText::text(failure.reason).constData());
}
