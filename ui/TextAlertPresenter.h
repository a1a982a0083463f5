// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scanner/AlertPresenter.h"
#include "ui/AlertText.h"

// Asks the engine's questions in the user's words: the alert is put into words, one button for each answer offered,
// and the button chosen gives the answer.
class TextAlertPresenter : public AlertPresenter {
public:
    Answer ask(const Alert &alert) final;

    // Shows the alert and returns the index of the button chosen; any other number when it was dismissed.
    virtual int choose(const AlertText &text) = 0;
};
