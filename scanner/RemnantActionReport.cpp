#include "scanner/RemnantActionReport.h"

#include <QStringList>

QString RemnantActionReport::summary() const
{
    const QString items = succeeded == 1 ? QStringLiteral("1 item") : QStringLiteral("%1 items").arg(succeeded);
    QString text =
        kind == Kind::trash ? QStringLiteral("Moved %1 to the Trash").arg(items) : QStringLiteral("Tagged ") + items;
    if (kind == Kind::tag && color)
        text += u' ' + rawValue(*color);
    if (!failures.isEmpty()) {
        text += QStringLiteral("; %1 could not be %2")
                    .arg(failures.size())
                    .arg(kind == Kind::trash ? QStringLiteral("moved") : QStringLiteral("tagged"));
    }
    return text;
}

QString RemnantActionReport::details() const
{
    QStringList lines;
    for (const Failure &failure : failures)
        lines.append(failure.name + QStringLiteral(": ") + failure.reason);
    return lines.join(u'\n');
}
