// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/RemnantReport.h"

#include "cli/CsvText.h"
#include "cli/JsonText.h"
#include "cli/TextTable.h"
#include "model/Clock.h"
#include "platform/PathNames.h"
#include "platform/ProgramTranslations.h"
#include "platform/UserFileKind.h"
#include "scanner/RemnantSortOrder.h"
#include "scanner/RemnantSummary.h"
#include "ui/ByteCountFormatter.h"
#include "ui/DisplayText.h"
#include "ui/EvidenceText.h"
#include "ui/RelativeDateFormatter.h"

#include <algorithm>
#include <functional>

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

void write(FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

void write(FILE *stream, const QString &text)
{
    write(stream, text.toUtf8());
}

// The exact bytes of the entry's name.
std::string_view nameBytes(const RemnantItem &item)
{
    const std::string &path = item.urlBytes();
    return std::string_view(path).substr(path.rfind('/') + 1);
}

// The measured size on disk, file count and partial flag; null before a measurement.
QString jsonMeasurement(const RemnantItem &item)
{
    if (!item.sizeOnDisk())
        return QStringLiteral("\"sizeOnDisk\": null, \"itemCount\": null, \"sizePartial\": null, ");
    return QStringLiteral("\"sizeOnDisk\": %1, \"itemCount\": %2, \"sizePartial\": %3, ")
        .arg(*item.sizeOnDisk())
        .arg(item.itemCount())
        .arg(item.sizePartial() ? QStringLiteral("true") : QStringLiteral("false"));
}

// The same as three CSV fields, empty before a measurement.
QList<QByteArray> csvMeasurement(const RemnantItem &item)
{
    if (!item.sizeOnDisk())
        return {QByteArray(), QByteArray(), QByteArray()};
    return {QByteArray::number(*item.sizeOnDisk()), QByteArray::number(item.itemCount()),
            item.sizePartial() ? QByteArrayLiteral("true") : QByteArrayLiteral("false")};
}

// The census as a JSON object of counts by kind, the kinds present only; null before a census.
QByteArray userFilesObject(const RemnantItem &item, const char *separator)
{
    if (!item.census())
        return QByteArrayLiteral("null");
    QByteArrayList counts;
    for (const UserFileKind kind : AllUserFileKinds) {
        if (const qint64 count = item.census()->count(kind))
            counts.append('"' + QByteArray::fromStdString(std::string(keyOf(kind))) + "\":" + separator +
                          QByteArray::number(count));
    }
    return '{' + counts.join(QByteArray(",") + separator) + '}';
}

// The census's fields: counts, example paths relative to the entry, and the newest change inside.
QByteArray jsonCensus(const RemnantItem &item)
{
    QByteArray sample = QByteArrayLiteral("null");
    if (item.census()) {
        QByteArrayList paths;
        for (const std::string &path : item.census()->sample)
            paths.append(JsonText::quotedBytes(path));
        sample = '[' + paths.join(", ") + ']';
    }
    return ", \"userFiles\": " + userFilesObject(item, " ") + ", \"userFilesSample\": " + sample +
           ", \"newestInside\": " + jsonDate(item.newestInside()).toUtf8();
}

// The evidence as values, each clause an object with every field, empty or not.
QString jsonEvidence(const EvidenceList &evidence)
{
    QStringList objects;
    for (const Evidence &each : evidence) {
        QStringList names;
        for (const QString &name : each.names)
            names.append(JsonText::quoted(name));
        for (const QString &snap : each.snaps)
            names.append(JsonText::quoted(QStringLiteral("snap ") + snap));
        objects.append(
            QStringLiteral("{\"kind\": %1, \"strength\": %2, \"name\": %3, \"source\": %4, \"owner\": %5, "
                           "\"ownerKind\": %6, \"form\": %7, \"application\": %8, \"names\": [%9]}")
                .arg(JsonText::quoted(Evidence::keyOf(each.kind)), JsonText::quoted(Evidence::keyOf(each.strength)),
                     JsonText::quoted(each.name), JsonText::quoted(each.source), JsonText::quoted(each.owner),
                     JsonText::quoted(EvidenceText::ownerKind(each.ownerKind, EvidenceText::Language::english)),
                     JsonText::quoted(EvidenceText::form(each.form, EvidenceText::Language::english)),
                     JsonText::quoted(each.application), names.join(QStringLiteral(", "))));
    }
    return u'[' + objects.join(QStringLiteral(", ")) + u']';
}

// One field of every clause of the evidence, as one CSV field, separated as the look-alikes are.
QByteArray csvEvidence(const EvidenceList &evidence, const std::function<QString(const Evidence &)> &field)
{
    QStringList values;
    for (const Evidence &each : evidence)
        values.append(field(each));
    return values.join(QStringLiteral("; ")).toUtf8();
}

void printJson(const QList<RemnantItemPtr> &items, FILE *stream)
{
    write(stream, QByteArrayLiteral("["));
    for (qsizetype i = 0; i < items.size(); ++i) {
        const RemnantItem &item = *items[i];
        QByteArray object = i == 0 ? QByteArrayLiteral("\n  {") : QByteArrayLiteral(",\n  {");
        object += "\"path\": " + JsonText::quotedBytes(item.urlBytes()) +
                  ", \"name\": " + JsonText::quotedBytes(nameBytes(item)) + ", ";
        object +=
            QStringLiteral("\"category\": %1, \"status\": %2, \"risk\": %3, ")
                .arg(JsonText::quoted(keyOf(item.category())),
                     JsonText::quoted(RemnantReport::statusName(item.status())), JsonText::quoted(keyOf(item.risk())))
                .toUtf8();
        object += QStringLiteral("\"bundleIdentifier\": %1, \"matchedAppName\": %2, \"fileSize\": %3, ")
                      .arg(jsonText(item.bundleIdentifier()), jsonText(item.matchedAppName()))
                      .arg(item.fileSize())
                      .toUtf8();
        object += jsonMeasurement(item).toUtf8();
        object += QStringLiteral("\"lastModified\": %1, \"lastOpened\": %2, \"lastUsed\": %3, \"creationDate\": %4, ")
                      .arg(jsonDate(item.lastModified()), jsonDate(item.lastOpened()), jsonDate(item.lastUsed()),
                           jsonDate(item.creationDate()))
                      .toUtf8();
        QStringList lookalikes;
        for (const QString &app : item.lookalikes())
            lookalikes.append(JsonText::quoted(app));
        object += QStringLiteral("\"evidence\": %1, \"evidenceDetail\": %2, \"lookalikes\": [%3], \"weakMatch\": %4")
                      .arg(JsonText::quoted(EvidenceText::text(item.evidence(), EvidenceText::Language::english)),
                           jsonEvidence(item.evidence()), lookalikes.join(QStringLiteral(", ")),
                           item.isWeakMatch() ? QStringLiteral("true") : QStringLiteral("false"))
                      .toUtf8();
        object += jsonCensus(item) + '}';
        write(stream, object);
    }
    write(stream, items.isEmpty() ? QByteArrayLiteral("]\n") : QByteArrayLiteral("\n]\n"));
}

// The example paths as one field, separated as the look-alikes are.
std::string sampleText(const RemnantItem &item)
{
    std::string text;
    for (const std::string &path : item.census()->sample)
        text += (text.empty() ? "" : "; ") + path;
    return text;
}

void printCsv(const QList<RemnantItemPtr> &items, FILE *stream)
{
    write(stream,
          QStringLiteral(
              "path,name,category,status,risk,bundleIdentifier,matchedAppName,fileSize,sizeOnDisk,"
              "itemCount,sizePartial,lastModified,lastOpened,lastUsed,creationDate,evidence,"
              "lookalikes,weakMatch,userFiles,userFilesSample,newestInside,evidenceKind,evidenceStrength,evidenceName,"
              "evidenceSource\r\n"));
    for (const RemnantItemPtr &pointer : items) {
        const RemnantItem &item = *pointer;
        const std::string_view name = nameBytes(item);
        const QList<QByteArray> measurement = csvMeasurement(item);
        const QList<QByteArray> fields = {
            QByteArray::fromStdString(item.urlBytes()),
            QByteArray(name.data(), qsizetype(name.size())),
            keyOf(item.category()).toUtf8(),
            RemnantReport::statusName(item.status()).toUtf8(),
            keyOf(item.risk()).toUtf8(),
            item.bundleIdentifier().value_or(QString()).toUtf8(),
            item.matchedAppName().value_or(QString()).toUtf8(),
            QByteArray::number(item.fileSize()),
            measurement[0],
            measurement[1],
            measurement[2],
            isoDate(item.lastModified()).toUtf8(),
            isoDate(item.lastOpened()).toUtf8(),
            isoDate(item.lastUsed()).toUtf8(),
            isoDate(item.creationDate()).toUtf8(),
            EvidenceText::text(item.evidence(), EvidenceText::Language::english).toUtf8(),
            item.lookalikes().join(QStringLiteral("; ")).toUtf8(),
            item.isWeakMatch() ? QByteArrayLiteral("true") : QByteArrayLiteral("false"),
            item.census() ? userFilesObject(item, "") : QByteArray(),
            item.census() ? QByteArray::fromStdString(sampleText(item)) : QByteArray(),
            isoDate(item.newestInside()).toUtf8(),
            csvEvidence(item.evidence(), [](const Evidence &e) { return Evidence::keyOf(e.kind); }),
            csvEvidence(item.evidence(), [](const Evidence &e) { return Evidence::keyOf(e.strength); }),
            csvEvidence(item.evidence(), [](const Evidence &e) { return e.name; }),
            csvEvidence(item.evidence(), [](const Evidence &e) { return e.source; })};
        QList<QByteArray> quoted;
        for (const QByteArray &field : fields)
            quoted.append(CsvText::field(field));
        write(stream, quoted.join(',') + "\r\n");
    }
}

// A risk or location as the window names it, in the program's language.
QString displayName(const QString &rawValue)
{
    return QCoreApplication::translate("DisplayText", rawValue.toUtf8().constData());
}

void printTable(const QList<RemnantItemPtr> &items, FILE *stream)
{
    // Where only changes tell of use, the column says so.
    const bool changesOnly =
        !items.isEmpty() &&
        std::all_of(items.begin(), items.end(), [](const RemnantItemPtr &item) { return item->lastUseFromChanges(); });
    TextTable table({{RemnantReport::tr("STATUS"), 0},
                     {RemnantReport::tr("RISK"), 0},
                     {RemnantReport::tr("SIZE"), 0},
                     {changesOnly ? RemnantReport::tr("LAST CHANGED") : RemnantReport::tr("LAST USED"), 0},
                     {RemnantReport::tr("LOCATION"), 0},
                     {RemnantReport::tr("APP"), 28},
                     {RemnantReport::tr("NAME"), 0},
                     {RemnantReport::tr("EVIDENCE"), 0}});
    int lookalikes = 0;
    int holdingUserFiles = 0;
    int usedRecently = 0;
    int weakMatches = 0;
    const QDateTime now = Clock::now();
    // Orphans first, then larger first by the size the table shows; equal items keep the scan's order.
    QList<RemnantItemPtr> ordered = items;
    std::stable_sort(ordered.begin(), ordered.end(), [](const RemnantItemPtr &left, const RemnantItemPtr &right) {
        const bool leftOrphan = left->status() == RemnantStatus::orphan;
        if (leftOrphan != (right->status() == RemnantStatus::orphan))
            return leftOrphan;
        return sortsBefore(RemnantSortOrder::sizeDescending, *left, *right);
    });
    for (const RemnantItemPtr &pointer : ordered) {
        const RemnantItem &item = *pointer;
        const std::optional<QDateTime> used = item.lastUseDate(RemnantItem::LastUseRule::openedElseModified);
        table.addRow(
            {(item.status() == RemnantStatus::orphan ? RemnantReport::tr("orphan") : RemnantReport::tr("stale")) +
                 (item.hasLookalikes() ? QStringLiteral("?") : QString()) +
                 (item.holdsUserFiles()    ? QStringLiteral("!")
                  : item.wasUsedRecently() ? QStringLiteral("*")
                                           : QString()),
             displayName(rawValue(item.risk())),
             ByteCountFormatter::fileSize(item.displayedSize(), ProgramTranslations::displayLocale()),
             used ? RelativeDateFormatter::describe(*used, now) : RemnantReport::tr("Unknown"),
             displayName(rawValue(item.category())),
             (item.isWeakMatch() ? QStringLiteral("~") : QString()) +
                 DisplayText::owner(item).value_or(RemnantReport::tr("Unknown")),
             QByteArray(nameBytes(item).data(), qsizetype(nameBytes(item).size())),
             EvidenceText::text(item.evidence())});
        lookalikes += item.hasLookalikes() ? 1 : 0;
        holdingUserFiles += item.holdsUserFiles() ? 1 : 0;
        usedRecently += !item.holdsUserFiles() && item.wasUsedRecently() ? 1 : 0;
        weakMatches += item.isWeakMatch() ? 1 : 0;
    }
    table.print(stream);
    const RemnantSummary summary = RemnantSummary::of(items);
    write(stream, QLatin1Char('\n') +
                      RemnantReport::tr("%Ln leftovers, %L1 of them orphans, %2 in all", nullptr, summary.count)
                          .arg(summary.orphanCount)
                          .arg(ByteCountFormatter::fileSize(summary.totalSize, ProgramTranslations::displayLocale())) +
                      QLatin1Char('\n'));
    // The marks at the start of these lines are those the table's rows carry.
    if (lookalikes > 0)
        write(stream, RemnantReport::tr("orphan? %n orphans whose names also match an installed app: check them "
                                        "before moving them to the Trash",
                                        nullptr, lookalikes) +
                          QLatin1Char('\n'));
    if (holdingUserFiles > 0)
        write(stream, RemnantReport::tr("status! %n leftovers hold your own files: trash moves them only with --force",
                                        nullptr, holdingUserFiles) +
                          QLatin1Char('\n'));
    if (usedRecently > 0)
        write(stream,
              RemnantReport::tr("status* %n leftovers changed recently inside: trash moves them only with --force",
                                nullptr, usedRecently) +
                  QLatin1Char('\n'));
    if (weakMatches > 0)
        write(stream, RemnantReport::tr("~APP    %n leftovers tied to their app by a weak match of names", nullptr,
                                        weakMatches) +
                          QLatin1Char('\n'));
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

void RemnantReport::print(const QList<RemnantItemPtr> &items, const QString &format, FILE *stream)
{
    if (format == u"json")
        printJson(items, stream);
    else if (format == u"csv")
        printCsv(items, stream);
    else
        printTable(items, stream);
}
