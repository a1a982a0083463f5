// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ActionReportText.h"

#include "scanner/RemnantActionReport.h"
#include "ui/DisplayText.h"
#include "ui/FailureText.h"

namespace {

// The names a line shows before it only counts the rest.
constexpr qsizetype NamedItems = 3;

} // namespace

QString ActionReportText::summary(const RemnantActionReport &report, const QStringList &skipped)
{
    const int done = report.succeeded;
    const int failed = int(report.failures.size());
    QString text;
    switch (report.kind) {
    case RemnantActionReport::Kind::trash:
        text = tr("Moved %Ln item(s) to the Trash", nullptr, done);
        if (failed > 0)
            text += tr("; %Ln could not be moved", nullptr, failed);
        break;
    case RemnantActionReport::Kind::tag:
        text = report.color ? tr("Tagged %Ln item(s) %1", nullptr, done).arg(DisplayText::of(*report.color))
                            : tr("Tagged %Ln item(s)", nullptr, done);
        if (failed > 0)
            text += tr("; %Ln could not be tagged", nullptr, failed);
        break;
    case RemnantActionReport::Kind::restore:
        text = tr("Put back %Ln item(s)", nullptr, done);
        if (failed > 0)
            text += tr("; %Ln could not be put back", nullptr, failed);
        break;
    }
    if (!skipped.isEmpty()) {
        QString names = QStringList(skipped.mid(0, NamedItems)).join(QStringLiteral(", "));
        if (skipped.size() > NamedItems)
            names += tr(" and %Ln more", nullptr, int(skipped.size() - NamedItems));
        text += tr("; left %Ln that needed a look in place: %1", nullptr, int(skipped.size())).arg(names);
    }
    return text;
}

QString ActionReportText::details(const RemnantActionReport &report)
{
    QStringList lines;
    for (const RemnantActionReport::Failure &failure : report.failures)
        lines.append(tr("%1: %2").arg(failure.name, FailureText::of(failure.reason)));
    return lines.join(u'\n');
}
