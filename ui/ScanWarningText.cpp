// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ScanWarningText.h"

#include "platform/PathNames.h"

QString ScanWarningText::text(const ScanWarning &warning)
{
    if (const auto *line = std::get_if<QString>(&warning.what))
        return *line;
    const auto &passedOver = std::get<XdgBaseFolders::PassedOver>(warning.what);
    const QString variable = QString::fromStdString(passedOver.variable);
    const QString folder = PathNames::text(passedOver.folder);
    switch (passedOver.reason) {
    case XdgBaseFolders::PassedOver::Reason::rootsHome:
        return tr("%1 names %2, which was passed over: the home is root's, and no folder outside it is used")
            .arg(variable, folder);
    case XdgBaseFolders::PassedOver::Reason::notHomeOwners:
        return tr("%1 names %2, which was passed over: it does not belong to the home's owner").arg(variable, folder);
    case XdgBaseFolders::PassedOver::Reason::writableByOthers:
        return tr("%1 names %2, which was passed over: others may write in it").arg(variable, folder);
    }
    return variable;
}
