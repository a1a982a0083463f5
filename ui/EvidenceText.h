// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Evidence.h"

#include <QCoreApplication>
#include <QString>

// How the evidence of an attribution reads: each clause a sentence, the clauses joined by semicolons. On QtCore only:
// the command line links it too.
class EvidenceText {
    Q_DECLARE_TR_FUNCTIONS(EvidenceText)

public:
    enum class Language {
        // The program's language, as the window and the table show it.
        program,
        // English whatever the program speaks, for output that must read the same on every system.
        english,
    };

    static QString text(const EvidenceList &evidence, Language language = Language::program);
    static QString clause(const Evidence &evidence, Language language = Language::program);
    // "Flatpak app", and "executable 'gimp'": what an installed owner is and the name it was found under; empty for
    // none. In English they are also the values the command line's JSON gives.
    static QString ownerKind(OwnerKind kind, Language language = Language::program);
    static QString form(const NameForm &form, Language language = Language::program);
};
