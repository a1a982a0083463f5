// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/ScanStatus.h"

#include <QCoreApplication>
#include <QString>

// Where a scan stands, in the user's words: "Scanning: LaunchAgents", "5 leftovers found".
class ScanStatusText {
    Q_DECLARE_TR_FUNCTIONS(ScanStatusText)

public:
    static QString of(const ScanStatus &status);
};
