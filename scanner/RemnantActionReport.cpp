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

QString RemnantActionReport::plainReason(const QString &description, const QString &name)
{
    const QString quoted = u'\'' + name + u'\'';
    const qsizetype named = description.indexOf(quoted);
    const qsizetype colon = named < 0 ? -1 : description.indexOf(QStringLiteral(": "), named + quoted.size());
    QString reason = colon < 0 ? description : description.mid(colon + 2);
    if (!reason.isEmpty())
        reason[0] = reason[0].toUpper();
    return reason;
}

QString RemnantActionReport::details() const
{
    QStringList lines;
    for (const Failure &failure : failures)
        lines.append(failure.name + QStringLiteral(": ") + failure.reason);
    return lines.join(u'\n');
}
