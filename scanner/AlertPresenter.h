// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// How the engine asks the user something and opens system settings. The window shows real dialogs, the
// command line answers without asking, tests answer from a script.
class AlertPresenter {
public:
    struct Alert {
        QString message;
        QString informativeText;
        QStringList buttons;    // the first answers 1000, the second 1001, the third 1002
        QString detailedText{}; // shown on request, for long lists
    };
    static constexpr int FirstButton = 1000;

    virtual ~AlertPresenter() = default;
    // Shows a modal warning alert and returns the chosen button.
    virtual int runModal(const Alert &alert) = 0;
    virtual void openLink(const QString &link) = 0;
};
