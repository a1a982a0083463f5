// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scanner/FailureReason.h"

#include <QCoreApplication>
#include <QString>

// Why an item was not moved, tagged or put back, as a sentence that follows the item's name: "Permission denied",
// "It holds the home folder". On QtCore only: the command line links it too.
class FailureText {
    Q_DECLARE_TR_FUNCTIONS(FailureText)

public:
    static QString of(const FailureReason &reason);
    // The system's own message for an error number, as a sentence.
    static QString systemError(int errorNumber);

private:
    static QString protectedPlace(const FailureReason &reason);
};
