// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/PseudoTranslator.h"

QString PseudoTranslator::translate(const char *, const char *sourceText, const char *, int) const
{
    static const QString Accented = QStringLiteral("àéîõüÅÇÉÑØ");
    const QString text = QString::fromUtf8(sourceText);
    QString padding;
    for (qsizetype i = 0; i < (text.size() + 2) / 3; ++i)
        padding += Accented[i % Accented.size()];
    return Open + text + padding + Close;
}

bool PseudoTranslator::isEmpty() const
{
    return false;
}
