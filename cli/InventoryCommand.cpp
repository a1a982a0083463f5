// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/InventoryCommand.h"

#include "cli/JsonText.h"
#include "cli/TextTable.h"
#include "platform/PathNames.h"
#include "ui/EvidenceText.h"

#include <algorithm>

namespace {

// The line under a table: how many keys it lists.
void printKeyCount(qsizetype count, FILE *stream)
{
    std::fputs(InventoryCommand::tr("%n keys", nullptr, int(count)).toUtf8().append('\n').constData(), stream);
}

void printJson(const QStringList &keys, const Inventory &inventory, FILE *stream)
{
    std::fputs("[", stream);
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const InstalledApp &record = inventory[keys[i]];
        const auto json = [](const QString &text) {
            return JsonText::quoted(text).toUtf8();
        };
        QByteArray object = i == 0 ? QByteArrayLiteral("\n  {") : QByteArrayLiteral(",\n  {");
        object += "\"key\": " + json(keys[i]) + ", \"name\": " + json(record.name) +
                  ", \"bundleID\": " + json(record.bundleID) + ", \"url\": " +
                  JsonText::quotedBytes(std::string_view(record.url.constData(), std::size_t(record.url.size()))) +
                  ", \"version\": " + (record.version ? json(*record.version) : QByteArrayLiteral("null")) + "}";
        std::fwrite(object.constData(), 1, std::size_t(object.size()), stream);
    }
    std::fputs(keys.isEmpty() ? "]\n" : "\n]\n", stream);
}

void printTable(const QStringList &keys, const Inventory &inventory, FILE *stream)
{
    TextTable table({{InventoryCommand::tr("KEY"), 48},
                     {InventoryCommand::tr("NAME"), 32},
                     {InventoryCommand::tr("BUNDLE ID"), 40},
                     {InventoryCommand::tr("VERSION"), 14},
                     {InventoryCommand::tr("PATH"), 0}});
    for (const QString &key : keys) {
        const InstalledApp &record = inventory[key];
        table.addRow({key, record.name, record.bundleID, record.version.value_or(QStringLiteral("-")), record.url});
    }
    table.print(stream);
    printKeyCount(keys.size(), stream);
}

} // namespace

void InventoryCommand::print(const LinuxInventory &inventory, const QString &format, FILE *stream)
{
    const QStringList keys = inventory.keys();
    using Language = EvidenceText::Language;
    if (format == u"json") {
        std::fputs("[", stream);
        for (qsizetype i = 0; i < keys.size(); ++i) {
            const LinuxInventory::Match match = *inventory.find(keys[i]);
            const QString kind = EvidenceText::ownerKind(match.owner.kind, Language::english);
            const QString form = EvidenceText::form(match.form, Language::english);
            const QByteArray object = (i == 0 ? QByteArrayLiteral("\n  {") : QByteArrayLiteral(",\n  {")) +
                                      "\"key\": " + JsonText::quoted(keys[i]).toUtf8() +
                                      ", \"owner\": " + JsonText::quoted(match.owner.id).toUtf8() +
                                      ", \"kind\": " + JsonText::quoted(kind).toUtf8() +
                                      ", \"form\": " + JsonText::quoted(form).toUtf8() + "}";
            std::fwrite(object.constData(), 1, std::size_t(object.size()), stream);
        }
        std::fputs(keys.isEmpty() ? "]\n" : "\n]\n", stream);
        return;
    }
    TextTable table({{tr("KEY"), 40}, {tr("OWNER"), 36}, {tr("KIND"), 14}, {tr("NAMED AS"), 0}});
    for (const QString &key : keys) {
        const LinuxInventory::Match match = *inventory.find(key);
        table.addRow({key, match.owner.id, EvidenceText::ownerKind(match.owner.kind), EvidenceText::form(match.form)});
    }
    table.print(stream);
    printKeyCount(keys.size(), stream);
}

void InventoryCommand::print(const Inventory &inventory, const QString &format, FILE *stream)
{
    QStringList keys = inventory.keys();
    std::sort(keys.begin(), keys.end());
    if (format == u"json")
        printJson(keys, inventory, stream);
    else
        printTable(keys, inventory, stream);
}
