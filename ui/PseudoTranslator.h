// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTranslator>

// A made-up language for trying the window out: every translated text comes back as itself between guillemets,
// lengthened by a third with accented letters ("«Cancelàéî»"). A text shown without the guillemets did not pass
// through translation, and a layout that holds these holds longer languages too.
class PseudoTranslator : public QTranslator {
    Q_OBJECT

public:
    using QTranslator::QTranslator;

    static constexpr QChar Open = u'«';
    static constexpr QChar Close = u'»';

    QString translate(const char *context, const char *sourceText, const char *disambiguation, int n) const override;
    bool isEmpty() const override;
};
