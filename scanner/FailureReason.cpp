// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/FailureReason.h"

#include <QtGlobal>
#include <cerrno>

FailureReason FailureReason::fromOutcome(int errorNumber, const QString &reason)
{
    if (errorNumber == ENOENT)
        return of(Kind::noLongerExists);
    if (errorNumber != 0 && reason.compare(qt_error_string(errorNumber), Qt::CaseInsensitive) == 0)
        return systemError(errorNumber);
    return systemText(reason);
}
