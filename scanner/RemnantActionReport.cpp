// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/RemnantActionReport.h"

#include <QStringList>

QString RemnantActionReport::summary() const
{
    const QString items = succeeded == 1 ? QStringLiteral("1 item") : QStringLiteral("%1 items").arg(succeeded);
    QString text;
    QString undone;
    switch (kind) {
    case Kind::trash:
        text = QStringLiteral("Moved %1 to the Trash").arg(items);
        undone = QStringLiteral("moved");
        break;
    case Kind::tag:
        text = QStringLiteral("Tagged ") + items;
        if (color)
            text += u' ' + rawValue(*color);
        undone = QStringLiteral("tagged");
        break;
    case Kind::restore:
        text = QStringLiteral("Put back ") + items;
        undone = QStringLiteral("put back");
        break;
    }
    if (!failures.isEmpty())
        text += QStringLiteral("; %1 could not be %2").arg(failures.size()).arg(undone);
    return text;
}

QString RemnantActionReport::details() const
{
    QStringList lines;
    for (const Failure &failure : failures)
        lines.append(failure.name + QStringLiteral(": ") + failure.reason);
    return lines.join(u'\n');
}
