// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scanner/AlertPresenter.h"

#include <QList>
#include <QStringList>

// Answers alerts from a list of button titles, in turn, and remembers what was shown and opened.
class ScriptedAlerts : public AlertPresenter {
public:
    QStringList answers;
    QList<Alert> shown;
    QStringList openedLinks;

    int runModal(const Alert &alert) override
    {
        shown.append(alert);
        const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
        const qsizetype index = alert.buttons.indexOf(answer);
        return FirstButton + int(index >= 0 ? index : alert.buttons.size());
    }
    void openLink(const QString &link) override { openedLinks.append(link); }
};
