// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/ScanWarning.h"

#include <QCoreApplication>
#include <QString>

// How a scan warning reads, as one line. On QtCore only: the command line links it too.
class ScanWarningText {
    Q_DECLARE_TR_FUNCTIONS(ScanWarningText)

public:
    static QString text(const ScanWarning &warning);
    // Why a folder was not scanned, as the end of a sentence: "it is a symbolic link".
    static QString reason(const LocationRefusal &refusal);
};
