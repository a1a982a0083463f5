#include "cli/CliAlertPresenter.h"

#include "cli/TerminalText.h"

#include <cstdio>
#include <iostream>
#include <string>

CliAlertPresenter::CliAlertPresenter(bool askOnTerminal)
    : m_askOnTerminal(askOnTerminal)
{}

int CliAlertPresenter::runModal(const Alert &alert)
{
    std::fprintf(stderr, "%s\n%s\n", TerminalText::lines(alert.message).constData(),
                 TerminalText::lines(alert.informativeText).constData());
    if (!alert.detailedText.isEmpty())
        std::fprintf(stderr, "%s\n", TerminalText::lines(alert.detailedText).constData());
    if (m_askOnTerminal && alert.buttons.contains(QStringLiteral("Continue"))) {
        for (qsizetype i = 0; i < alert.buttons.size(); ++i)
            std::fprintf(stderr, "  %lld) %s\n", static_cast<long long>(i + 1),
                         TerminalText::text(alert.buttons[i]).constData());
        std::fprintf(stderr, "Choose 1-%lld: ", static_cast<long long>(alert.buttons.size()));
        std::fflush(stderr);
        std::string answer;
        if (std::getline(std::cin, answer)) {
            const int choice = std::atoi(answer.c_str());
            if (choice >= 1 && choice <= alert.buttons.size())
                return FirstButton + choice - 1;
        }
    }
    for (const QString &decline : {QStringLiteral("Not Now"), QStringLiteral("Cancel"), QStringLiteral("OK")}) {
        if (const qsizetype index = alert.buttons.indexOf(decline); index >= 0) {
            std::fprintf(stderr, "→ %s\n", decline.toUtf8().constData());
            return FirstButton + int(index);
        }
    }
    return FirstButton + int(alert.buttons.size());
}

void CliAlertPresenter::openLink(const QString &link)
{
    std::fprintf(stderr, "Open %s to change this setting.\n", TerminalText::text(link).constData());
}
