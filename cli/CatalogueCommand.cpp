// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CatalogueCommand.h"

#include "cli/JsonText.h"
#include "cli/TextTable.h"
#include "identification/KnownAppCatalogue.h"

void CatalogueCommand::print(const QString &format, FILE *stream)
{
    const auto rows = KnownAppCatalogue::rows();
    if (format == u"json") {
        std::fputs("[", stream);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const QString object =
                QStringLiteral("%1\n  {\"keyword\": %2, \"name\": %3, \"bundleID\": %4}")
                    .arg(i == 0 ? QString() : QStringLiteral(","), JsonText::quoted(QString::fromUtf8(rows[i].keyword)),
                         JsonText::quoted(QString::fromUtf8(rows[i].name)),
                         JsonText::quoted(QString::fromUtf8(rows[i].bundleID)));
            std::fputs(object.toUtf8().constData(), stream);
        }
        std::fputs("\n]\n", stream);
    } else {
        TextTable table({{CatalogueCommand::tr("ROW"), 0},
                         {CatalogueCommand::tr("KEYWORD"), 0},
                         {CatalogueCommand::tr("NAME"), 0},
                         {CatalogueCommand::tr("BUNDLE ID"), 0}});
        for (std::size_t i = 0; i < rows.size(); ++i)
            table.addRow({QString::number(i), QString::fromUtf8(rows[i].keyword), QString::fromUtf8(rows[i].name),
                          QString::fromUtf8(rows[i].bundleID)});
        table.print(stream);
    }
}
