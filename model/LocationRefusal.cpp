// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/LocationRefusal.h"

QString LocationRefusal::keyOf(Kind kind)
{
    switch (kind) {
    case Kind::symbolicLink:
        return QStringLiteral("symbolicLink");
    case Kind::unresolvable:
        return QStringLiteral("unresolvable");
    case Kind::notInside:
        return QStringLiteral("notInside");
    case Kind::holdsContainer:
        return QStringLiteral("holdsContainer");
    case Kind::libraryHolds:
        return QStringLiteral("libraryHolds");
    case Kind::libraryNotInside:
        return QStringLiteral("libraryNotInside");
    case Kind::unlistable:
        return QStringLiteral("unlistable");
    case Kind::scannedAlready:
        return QStringLiteral("scannedAlready");
    }
    return QString();
}
