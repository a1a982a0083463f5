// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/TextAlertPresenter.h"

AlertPresenter::Answer TextAlertPresenter::ask(const Alert &alert)
{
    const int chosen = choose(AlertText::of(alert));
    if (chosen >= 0 && chosen < alert.answers.size())
        return alert.answers[chosen];
    return alert.answers.isEmpty() ? Answer::cancel : alert.answers.last();
}
