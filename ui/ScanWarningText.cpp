// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ScanWarningText.h"

#include "platform/PathNames.h"

QString ScanWarningText::text(const ScanWarning &warning)
{
    if (const auto *notScanned = std::get_if<ScanWarning::NotScanned>(&warning.what))
        return tr("%1 was not scanned: %2").arg(PathNames::text(notScanned->folder), reason(notScanned->reason));
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

QString ScanWarningText::reason(const LocationRefusal &refusal)
{
    const QString resolved = PathNames::text(refusal.resolved);
    const QString container = PathNames::text(refusal.container);
    const QString library = PathNames::text(refusal.library);
    switch (refusal.kind) {
    case LocationRefusal::Kind::symbolicLink:
        return tr("it is a symbolic link");
    case LocationRefusal::Kind::unresolvable:
        return tr("it cannot be resolved");
    case LocationRefusal::Kind::notInside:
        return tr("it resolves to %1, which is not inside %2").arg(resolved, container);
    case LocationRefusal::Kind::holdsContainer:
        return tr("it resolves to %1, which holds %2").arg(resolved, container);
    case LocationRefusal::Kind::libraryHolds:
        return refusal.anchor == LocationRefusal::Anchor::home
                   ? tr("its Library folder %1 resolves to %2, which holds the home folder").arg(library, resolved)
                   : tr("its Library folder %1 resolves to %2, which holds the root folder").arg(library, resolved);
    case LocationRefusal::Kind::libraryNotInside:
        return tr("its Library folder %1 resolves to %2, which is not inside %3").arg(library, resolved, container);
    case LocationRefusal::Kind::unlistable:
        return tr("it cannot be listed");
    case LocationRefusal::Kind::scannedAlready:
        return tr("it resolves to %1, which was scanned already").arg(resolved);
    }
    return QString();
}
