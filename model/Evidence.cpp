// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Evidence.h"

QString Evidence::keyOf(Kind kind)
{
    switch (kind) {
    case Kind::systemLabel:
        return QStringLiteral("systemLabel");
    case Kind::labelIsInventoryKey:
        return QStringLiteral("labelIsInventoryKey");
    case Kind::labelIsBundleIdentifier:
        return QStringLiteral("labelIsBundleIdentifier");
    case Kind::inventoryKey:
        return QStringLiteral("inventoryKey");
    case Kind::nameIsBundleIdentifier:
        return QStringLiteral("nameIsBundleIdentifier");
    case Kind::installedApplication:
        return QStringLiteral("installedApplication");
    case Kind::catalogueKeyword:
        return QStringLiteral("catalogueKeyword");
    case Kind::bundleIdentifierLastPart:
        return QStringLiteral("bundleIdentifierLastPart");
    case Kind::helperNamePattern:
        return QStringLiteral("helperNamePattern");
    case Kind::nameTokenIsKey:
        return QStringLiteral("nameTokenIsKey");
    case Kind::nameWordInKey:
        return QStringLiteral("nameWordInKey");
    case Kind::recordPartInName:
        return QStringLiteral("recordPartInName");
    case Kind::nameWordResemblesRecordPart:
        return QStringLiteral("nameWordResemblesRecordPart");
    case Kind::nameWordMatchesKeyWord:
        return QStringLiteral("nameWordMatchesKeyWord");
    case Kind::applicationNameMatches:
        return QStringLiteral("applicationNameMatches");
    case Kind::applicationNameResembles:
        return QStringLiteral("applicationNameResembles");
    case Kind::keyWordResemblesNameWord:
        return QStringLiteral("keyWordResemblesNameWord");
    case Kind::keyStartsAlike:
        return QStringLiteral("keyStartsAlike");
    case Kind::labelMatchesKey:
        return QStringLiteral("labelMatchesKey");
    case Kind::labelPartIsKey:
        return QStringLiteral("labelPartIsKey");
    case Kind::flatpakInstalled:
        return QStringLiteral("flatpakInstalled");
    case Kind::flatpakMissing:
        return QStringLiteral("flatpakMissing");
    case Kind::startsInstalled:
        return QStringLiteral("startsInstalled");
    case Kind::startsMissing:
        return QStringLiteral("startsMissing");
    case Kind::startsMissingMenuEntry:
        return QStringLiteral("startsMissingMenuEntry");
    case Kind::runsMissingProgram:
        return QStringLiteral("runsMissingProgram");
    case Kind::runsInstalledProgram:
        return QStringLiteral("runsInstalledProgram");
    case Kind::namesInstalled:
        return QStringLiteral("namesInstalled");
    case Kind::namesInstalledProject:
        return QStringLiteral("namesInstalledProject");
    case Kind::packageRemoved:
        return QStringLiteral("packageRemoved");
    case Kind::packageRemovedLeavingNoProgram:
        return QStringLiteral("packageRemovedLeavingNoProgram");
    case Kind::packageRemovedLeavingLibrary:
        return QStringLiteral("packageRemovedLeavingLibrary");
    case Kind::catalogueFolderInstalled:
        return QStringLiteral("catalogueFolderInstalled");
    case Kind::catalogueFolderMissing:
        return QStringLiteral("catalogueFolderMissing");
    case Kind::readByInstalled:
        return QStringLiteral("readByInstalled");
    case Kind::readByMissing:
        return QStringLiteral("readByMissing");
    case Kind::nothingNamed:
        return QStringLiteral("nothingNamed");
    case Kind::noProgramNamed:
        return QStringLiteral("noProgramNamed");
    case Kind::libraryHasName:
        return QStringLiteral("libraryHasName");
    case Kind::packageHoldsNoProgram:
        return QStringLiteral("packageHoldsNoProgram");
    case Kind::keptUntilAutoremove:
        return QStringLiteral("keptUntilAutoremove");
    case Kind::lookalikeWord:
        return QStringLiteral("lookalikeWord");
    case Kind::lookalikeStart:
        return QStringLiteral("lookalikeStart");
    case Kind::none:
        break;
    }
    return QStringLiteral("none");
}

QString Evidence::keyOf(Strength strength)
{
    switch (strength) {
    case Strength::direct:
        return QStringLiteral("direct");
    case Strength::catalogue:
        return QStringLiteral("catalogue");
    case Strength::weak:
        return QStringLiteral("weak");
    case Strength::none:
        break;
    }
    return QStringLiteral("none");
}
