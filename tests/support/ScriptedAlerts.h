// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/TextAlertPresenter.h"

#include <QList>
#include <QStringList>

// Answers alerts from a list of button titles, in turn, and remembers what was shown, in words, and opened.
class ScriptedAlerts : public TextAlertPresenter {
public:
    QStringList answers;
    QList<AlertText> shown;
    QStringList openedLinks;

    int choose(const AlertText &text) override
    {
        shown.append(text);
        const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
        return int(text.buttons.indexOf(answer));
    }
    void openLink(const QString &link) override { openedLinks.append(link); }
};
