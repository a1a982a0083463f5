// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/EvidenceText.h"

#include <array>

namespace {

using Kind = Evidence::Kind;
using Language = EvidenceText::Language;

// The kinds of entries that start programs, by their location's key.
constexpr std::array<std::pair<const char *, const char *>, 3> Launchers = {{
    {"Autostart", QT_TRANSLATE_NOOP("EvidenceText", "autostart entry")},
    {"Menu Entries", QT_TRANSLATE_NOOP("EvidenceText", "menu entry")},
    {"User Services", QT_TRANSLATE_NOOP("EvidenceText", "user service")},
}};

QString words(const char *text, Language language)
{
    return language == Language::english ? QString::fromUtf8(text) : QCoreApplication::translate("EvidenceText", text);
}

QString launcher(const QString &key, Language language)
{
    for (const auto &[location, word] : Launchers) {
        if (key == QLatin1StringView(location))
            return words(word, language);
    }
    return key;
}

// "package gimp", or "executable 'gimp' of package gimp" when a name of the owner matched.
QString owner(const Evidence &evidence, Language language)
{
    const QString kind = EvidenceText::ownerKind(evidence.ownerKind, language);
    if (evidence.form.kind == NameForm::Kind::none)
        return words(QT_TRANSLATE_NOOP("EvidenceText", "%1 %2"), language).arg(kind, evidence.owner);
    return words(QT_TRANSLATE_NOOP("EvidenceText", "%1 of %2 %3"), language)
        .arg(EvidenceText::form(evidence.form, language), kind, evidence.owner);
}

// "'a', 'b' or 'c'"
QString listed(const QStringList &names, Language language)
{
    QStringList quoted;
    for (const QString &name : names)
        quoted.append(u'\'' + name + u'\'');
    if (quoted.size() < 2)
        return quoted.join(QString());
    const QString last = quoted.takeLast();
    return words(QT_TRANSLATE_NOOP("EvidenceText", "%1 or %2"), language).arg(quoted.join(QStringLiteral(", ")), last);
}

// "a, b, snap c": what would have made it installed.
QString lookedFor(const Evidence &evidence, Language language)
{
    QStringList names = evidence.names;
    for (const QString &snap : evidence.snaps)
        names.append(words(QT_TRANSLATE_NOOP("EvidenceText", "snap %1"), language).arg(snap));
    return names.join(QStringLiteral(", "));
}

// The record of the inventory that matched: its name, and its bundle identifier when it has one.
QString record(const Evidence &evidence, Language language)
{
    if (evidence.source.isEmpty())
        return evidence.owner;
    return words(QT_TRANSLATE_NOOP("EvidenceText", "%1 (%2)"), language).arg(evidence.owner, evidence.source);
}

} // namespace

QString EvidenceText::clause(const Evidence &e, Language language)
{
    const auto say = [language](const char *text) {
        return words(text, language);
    };
    switch (e.kind) {
    case Kind::none:
        break;
    case Kind::systemLabel:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "system property-list Label %1")).arg(e.name);
    case Kind::labelIsInventoryKey:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "property-list Label %1 is inventory key %2"))
            .arg(e.name, e.source);
    case Kind::labelIsBundleIdentifier:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "property-list Label %1 is the bundle identifier of %2"))
            .arg(e.name, e.owner);
    case Kind::inventoryKey:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "inventory key %1")).arg(e.source);
    case Kind::nameIsBundleIdentifier:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "entry name is the bundle identifier %1")).arg(e.source);
    case Kind::installedApplication:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "installed application %1")).arg(e.source);
    case Kind::catalogueKeyword:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "catalogue keyword '%1' (row %2)")).arg(e.name, e.source);
    case Kind::bundleIdentifierLastPart:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "last part of the bundle identifier %1")).arg(e.source);
    case Kind::helperNamePattern:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "helper or agent name pattern"));
    case Kind::nameTokenIsKey:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "name token '%1' is inventory key %2")).arg(e.name, e.source);
    case Kind::nameWordInKey:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "name word '%1' occurs in inventory key %2"))
            .arg(e.name, e.source);
    case Kind::recordPartInName:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "identifier part or name word occurs in the name of %1"))
            .arg(record(e, language));
    case Kind::nameWordResemblesRecordPart:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "name word '%1' resembles an identifier part or name word of %2"))
            .arg(e.name, record(e, language));
    case Kind::nameWordMatchesKeyWord:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "name word '%1' matches a word of inventory key %2"))
            .arg(e.name, e.source);
    case Kind::applicationNameMatches:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "application name of inventory key %1 matches the name"))
            .arg(e.source);
    case Kind::applicationNameResembles:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "application name of inventory key %1 resembles the name"))
            .arg(e.source);
    case Kind::keyWordResemblesNameWord:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "a word of inventory key %1 resembles a word of the name"))
            .arg(e.source);
    case Kind::keyStartsAlike:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "inventory key %1 and the name start alike")).arg(e.source);
    case Kind::labelMatchesKey:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "property-list Label %1 matches inventory key %2"))
            .arg(e.name, e.source);
    case Kind::labelPartIsKey:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "property-list Label part '%1' is inventory key %2"))
            .arg(e.name, e.source);
    case Kind::flatpakInstalled:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "Flatpak app %1 is installed")).arg(e.name);
    case Kind::flatpakMissing:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "no installed Flatpak app has the ID %1")).arg(e.name);
    case Kind::startsInstalled:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "%1 starts %2, which is installed"))
            .arg(launcher(e.source, language), owner(e, language));
    case Kind::startsMissing:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "%1 starts %2, which is not installed"))
            .arg(launcher(e.source, language), owner(e, language));
    case Kind::startsMissingMenuEntry:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "%1 starts menu entry %2, which is gone"))
            .arg(launcher(e.source, language), e.name);
    case Kind::runsMissingProgram:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "%1 runs %2, which is gone"))
            .arg(launcher(e.source, language), e.name);
    case Kind::runsInstalledProgram:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "%1 runs %2, of %3"))
            .arg(launcher(e.source, language), e.name, owner(e, language));
    case Kind::namesInstalled:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "'%1' names %2: %3, which is installed"))
            .arg(e.source, e.name, owner(e, language));
    case Kind::namesInstalledProject:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "'%1' names the project %2: %3, which is installed"))
            .arg(e.source, e.name, owner(e, language));
    case Kind::packageRemoved:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "package %1 was removed and is not installed")).arg(e.owner);
    case Kind::packageRemovedLeavingNoProgram:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "package %1 was removed and is not installed; only %2, which "
                                                     "holds no program of that name, is left of it"))
            .arg(e.owner, e.source);
    case Kind::packageRemovedLeavingLibrary:
        return say(QT_TRANSLATE_NOOP("EvidenceText",
                                     "package %1 was removed and is not installed; only %2, a library, is left of it"))
            .arg(e.owner, e.source);
    case Kind::catalogueFolderInstalled:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "folder of %1; %2 is installed"))
            .arg(e.application, owner(e, language));
    case Kind::catalogueFolderMissing:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "folder of %1; none of %2 is installed"))
            .arg(e.application, lookedFor(e, language));
    case Kind::readByInstalled:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "'%1' is read by %2 (documented in %3); %4 is installed"))
            .arg(e.name, e.application, e.source, owner(e, language));
    case Kind::readByMissing:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "'%1' is read by %2 (documented in %3); none of %4 is installed"))
            .arg(e.name, e.application, e.source, lookedFor(e, language));
    case Kind::nothingNamed:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "no installed package, program, Flatpak app, snap or menu entry "
                                                     "is named %1, nor a library or data package of that name"))
            .arg(listed(e.names, language));
    case Kind::noProgramNamed:
        return say(QT_TRANSLATE_NOOP("EvidenceText",
                                     "no installed program, Flatpak app, snap or menu entry is named %1"))
            .arg(listed(e.names, language));
    case Kind::libraryHasName:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "%1 has the name but is a library")).arg(e.source);
    case Kind::packageHoldsNoProgram:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "%1 has the name but holds no program, menu entry or service"))
            .arg(e.source);
    case Kind::keptUntilAutoremove:
        return say(QT_TRANSLATE_NOOP("EvidenceText",
                                     "%1 is kept only until apt's autoremove, as nothing installed needs it"))
            .arg(e.source);
    case Kind::lookalikeWord:
        return say(QT_TRANSLATE_NOOP("EvidenceText",
                                     "only the word '%1' matches %2, which is installed: a look-alike, not the owner"))
            .arg(e.name, owner(e, language));
    case Kind::lookalikeStart:
        return say(QT_TRANSLATE_NOOP("EvidenceText",
                                     "only the start '%1' matches %2, which is installed: a look-alike, not the owner"))
            .arg(e.name, owner(e, language));
    }
    return say(QT_TRANSLATE_NOOP("EvidenceText", "no evidence found"));
}

QString EvidenceText::text(const EvidenceList &evidence, Language language)
{
    QStringList clauses;
    for (const Evidence &each : evidence)
        clauses.append(clause(each, language));
    return clauses.join(QStringLiteral("; "));
}

QString EvidenceText::ownerKind(OwnerKind kind, Language language)
{
    const auto say = [language](const char *text) {
        return words(text, language);
    };
    switch (kind) {
    case OwnerKind::none:
        break;
    case OwnerKind::package:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "package"));
    case OwnerKind::flatpakApp:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "Flatpak app"));
    case OwnerKind::snap:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "snap"));
    case OwnerKind::nixPackage:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "Nix package"));
    case OwnerKind::homebrewFormula:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "Homebrew formula"));
    case OwnerKind::npmPackage:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "npm package"));
    case OwnerKind::pipxPackage:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "pipx package"));
    case OwnerKind::cargoCrate:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "cargo crate"));
    case OwnerKind::goProgram:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "Go program"));
    case OwnerKind::jetBrainsToolboxApp:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "JetBrains Toolbox app"));
    case OwnerKind::appImage:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "AppImage"));
    case OwnerKind::optFolder:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "folder in /opt"));
    case OwnerKind::menuEntry:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "menu entry"));
    case OwnerKind::program:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "program"));
    case OwnerKind::runningProgram:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "running program"));
    }
    return {};
}

QString EvidenceText::form(const NameForm &form, Language language)
{
    const auto say = [&](const char *text) {
        return words(text, language).arg(form.name);
    };
    switch (form.kind) {
    case NameForm::Kind::none:
        break;
    case NameForm::Kind::packageName:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "package name '%1'"));
    case NameForm::Kind::sourcePackage:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "source package '%1'"));
    case NameForm::Kind::executable:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "executable '%1'"));
    case NameForm::Kind::desktopFileId:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "desktop-file ID '%1'"));
    case NameForm::Kind::windowClass:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "window class '%1'"));
    case NameForm::Kind::menuName:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "menu name '%1'"));
    case NameForm::Kind::iconName:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "icon name '%1'"));
    case NameForm::Kind::flatpakId:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "Flatpak ID '%1'"));
    case NameForm::Kind::flatpakIdLastPart:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "last part of Flatpak ID '%1'"));
    case NameForm::Kind::snapName:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "snap name '%1'"));
    case NameForm::Kind::nixPackage:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "Nix package '%1'"));
    case NameForm::Kind::homebrewFormula:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "Homebrew formula '%1'"));
    case NameForm::Kind::npmPackage:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "npm package '%1'"));
    case NameForm::Kind::pipxPackage:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "pipx package '%1'"));
    case NameForm::Kind::cargoCrate:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "cargo crate '%1'"));
    case NameForm::Kind::jetBrainsToolboxApp:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "JetBrains Toolbox app '%1'"));
    case NameForm::Kind::appImage:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "AppImage '%1'"));
    case NameForm::Kind::folder:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "folder '%1'"));
    case NameForm::Kind::runningProgram:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "running program '%1'"));
    }
    return {};
}
