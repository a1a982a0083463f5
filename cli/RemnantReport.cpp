#include "cli/RemnantReport.h"

#include "cli/JsonText.h"
#include "cli/TextTable.h"
#include "model/ByteCountFormatter.h"
#include "model/Clock.h"
#include "model/RelativeDateFormatter.h"
#include "platform/PathNames.h"

namespace {

QString isoDate(const std::optional<QDateTime> &date)
{
    return date && date->isValid() ? date->toUTC().toString(Qt::ISODate) : QString();
}

QString jsonText(const std::optional<QString> &text)
{
    return text ? JsonText::quoted(*text) : QStringLiteral("null");
}

QString jsonDate(const std::optional<QDateTime> &date)
{
    const QString text = isoDate(date);
    return text.isEmpty() ? QStringLiteral("null") : JsonText::quoted(text);
}

void write(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

void printJson(const QList<RemnantItemPtr> &items, FILE *stream)
{
    write(stream, QStringLiteral("["));
    for (qsizetype i = 0; i < items.size(); ++i) {
        const RemnantItem &item = *items[i];
        QString object = i == 0 ? QStringLiteral("\n  {") : QStringLiteral(",\n  {");
        object += QStringLiteral("\"path\": %1, \"name\": %2, \"category\": %3, \"status\": %4, \"risk\": %5, ")
                      .arg(JsonText::quoted(item.displayPath()), JsonText::quoted(item.name()),
                           JsonText::quoted(rawValue(item.category())),
                           JsonText::quoted(RemnantReport::statusName(item.status())),
                           JsonText::quoted(rawValue(item.risk())));
        object += QStringLiteral("\"bundleIdentifier\": %1, \"matchedAppName\": %2, \"fileSize\": %3, ")
                      .arg(jsonText(item.bundleIdentifier()), jsonText(item.matchedAppName()))
                      .arg(item.fileSize());
        object += QStringLiteral("\"lastModified\": %1, \"lastOpened\": %2, \"lastUsed\": %3, \"creationDate\": %4, ")
                      .arg(jsonDate(item.lastModified()), jsonDate(item.lastOpened()), jsonDate(item.lastUsed()),
                           jsonDate(item.creationDate()));
        object += QStringLiteral("\"evidence\": %1}").arg(JsonText::quoted(item.evidence()));
        write(stream, object);
    }
    write(stream, items.isEmpty() ? QStringLiteral("]\n") : QStringLiteral("\n]\n"));
}

void printCsv(const QList<RemnantItemPtr> &items, FILE *stream)
{
    write(stream, QStringLiteral("path,name,category,status,risk,bundleIdentifier,matchedAppName,fileSize,"
                                 "lastModified,lastOpened,lastUsed,creationDate,evidence\r\n"));
    for (const RemnantItemPtr &pointer : items) {
        const RemnantItem &item = *pointer;
        const QStringList fields = {item.displayPath(),
                                    item.name(),
                                    rawValue(item.category()),
                                    RemnantReport::statusName(item.status()),
                                    rawValue(item.risk()),
                                    item.bundleIdentifier().value_or(QString()),
                                    item.matchedAppName().value_or(QString()),
                                    QString::number(item.fileSize()),
                                    isoDate(item.lastModified()),
                                    isoDate(item.lastOpened()),
                                    isoDate(item.lastUsed()),
                                    isoDate(item.creationDate()),
                                    item.evidence()};
        QStringList quoted;
        for (const QString &field : fields)
            quoted.append(RemnantReport::csvField(field));
        write(stream, quoted.join(u',') + QStringLiteral("\r\n"));
    }
}

void printTable(const QList<RemnantItemPtr> &items, FILE *stream)
{
    TextTable table({{QStringLiteral("STATUS"), 0},
                     {QStringLiteral("RISK"), 0},
                     {QStringLiteral("SIZE"), 0},
                     {QStringLiteral("LAST USED"), 0},
                     {QStringLiteral("LOCATION"), 0},
                     {QStringLiteral("APP"), 28},
                     {QStringLiteral("NAME"), 0}});
    qint64 total = 0;
    int orphans = 0;
    const QDateTime now = Clock::now();
    for (const RemnantItemPtr &pointer : items) {
        const RemnantItem &item = *pointer;
        const std::optional<QDateTime> used = item.lastOpened() ? item.lastOpened() : item.lastModified();
        table.addRow({RemnantReport::statusName(item.status()), rawValue(item.risk()),
                      ByteCountFormatter::fileSize(item.fileSize()),
                      used ? RelativeDateFormatter::describe(*used, now) : QStringLiteral("Unknown"),
                      rawValue(item.category()), item.matchedAppName().value_or(QStringLiteral("Unknown")),
                      item.name()});
        total += item.fileSize();
        orphans += item.status() == RemnantStatus::orphan ? 1 : 0;
    }
    table.print(stream);
    write(stream, QStringLiteral("\n%1 leftovers, %2 of them orphans, %3 in all\n")
                      .arg(items.size())
                      .arg(orphans)
                      .arg(ByteCountFormatter::fileSize(total)));
}

} // namespace

QString RemnantReport::statusName(RemnantStatus status)
{
    switch (status) {
    case RemnantStatus::orphan:
        return QStringLiteral("orphan");
    case RemnantStatus::stale:
        return QStringLiteral("stale");
    case RemnantStatus::unknown:
        break;
    }
    return QStringLiteral("unknown");
}

QString RemnantReport::csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString escaped = text;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

void RemnantReport::print(const QList<RemnantItemPtr> &items, const QString &format, FILE *stream)
{
    if (format == u"json")
        printJson(items, stream);
    else if (format == u"csv")
        printCsv(items, stream);
    else
        printTable(items, stream);
    std::fflush(stream);
}
