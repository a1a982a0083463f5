// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramTranslations.h"

#include <QCoreApplication>

// The event loop that the scanner's queued calls need, made once per test program, with the programs' translations
// as the programs install them: English words its plurals through them.
inline QCoreApplication &coreApplication()
{
    static int argc = 1;
    static char name[] = "leftscan-test";
    static char *argv[] = {name, nullptr};
    static QCoreApplication &application = []() -> QCoreApplication & {
        static QCoreApplication made(argc, argv);
        ProgramTranslations::install();
        return made;
    }();
    return application;
}
