// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scanner/AlertPresenter.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// An alert in the user's words: the engine's questions, and the window's own. On QtCore only: the tests that answer
// the engine's questions from a script read them too.
struct AlertText {
    Q_DECLARE_TR_FUNCTIONS(AlertText)

public:
    QString message;
    QString informativeText;
    QStringList buttons;    // in order; the first is the default
    QString detailedText{}; // shown on request, for long lists
    // The button that Escape chooses; none when -1.
    int escapeButton = -1;

    static AlertText of(const AlertPresenter::Alert &alert);
};
