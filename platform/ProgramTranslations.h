// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The language the programs speak to a person in, chosen as on any Linux desktop, and the locale their numbers,
// sizes and dates follow. Machine-readable output (JSON, CSV) never goes through either.
class ProgramTranslations {
public:
    // The languages the environment asks for, most wanted first: the entries of LANGUAGE, then the language of
    // LC_ALL, LC_MESSAGES or LANG, the first that is set. Unlike gettext, which passes over LANGUAGE in the C
    // locale, this honours it there too, so that LANGUAGE=de alone gives German.
    static QStringList preferredLanguages();

    // Installs into the running application the translation of the first preferred language that has one, with
    // Qt's own for the standard dialogs where the system has it, and makes that language's locale the default
    // one. Returns the language installed, empty when the programs speak their own English.
    static QString install();

    // The locale for what is shown to a person: the default one, or US English in place of the C locale.
    static QLocale displayLocale();
};
