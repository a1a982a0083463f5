#include "linuxdesktop/DesktopNames.h"

#include <QFile>
#include <QStringList>

namespace {

struct NameList {
    QStringList exact;
    QStringList prefixes;
};

NameList load()
{
    NameList list;
    QFile file(QStringLiteral(":/data/DesktopNames.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return list;
    for (const QByteArray &rawLine : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed().toLower();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.endsWith(u'*'))
            list.prefixes.append(line.chopped(1));
        else
            list.exact.append(line);
    }
    return list;
}

} // namespace

bool DesktopNames::isDesktopItem(const QString &name)
{
    static const NameList list = load();
    const QString lower = name.toLower();
    if (list.exact.contains(lower))
        return true;
    for (const QString &prefix : list.prefixes) {
        if (lower.startsWith(prefix))
            return true;
    }
    return false;
}
