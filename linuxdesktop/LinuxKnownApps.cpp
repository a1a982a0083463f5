#include "linuxdesktop/LinuxKnownApps.h"

#include "linuxdesktop/NameKey.h"

#include <QFile>
#include <QHash>
#include <vector>

namespace {

struct Catalogue {
    std::vector<LinuxKnownApps::App> apps;
    QHash<QString, std::size_t> byFolder;
};

QStringList listOf(const QString &column)
{
    if (column == u"-")
        return {};
    return column.split(u',', Qt::SkipEmptyParts);
}

Catalogue load()
{
    Catalogue catalogue;
    QFile file(QStringLiteral(":/data/LinuxKnownApps.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return catalogue;
    for (const QByteArray &rawLine : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(rawLine);
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList columns = line.split(u'\t');
        if (columns.size() != 5)
            continue;
        LinuxKnownApps::App app{columns[0], listOf(columns[1]), listOf(columns[2]), listOf(columns[3]),
                                listOf(columns[4])};
        for (const QString &folder : app.folders) {
            if (!catalogue.byFolder.contains(NameKey::of(folder)))
                catalogue.byFolder.insert(NameKey::of(folder), catalogue.apps.size());
        }
        catalogue.apps.push_back(std::move(app));
    }
    return catalogue;
}

} // namespace

std::optional<LinuxKnownApps::App> LinuxKnownApps::writerOf(const QString &folderName)
{
    static const Catalogue catalogue = load();
    const auto found = catalogue.byFolder.constFind(NameKey::of(folderName));
    if (found == catalogue.byFolder.cend())
        return std::nullopt;
    return catalogue.apps[*found];
}
