// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/EvidenceText.h"

#include <algorithm>
#include <array>

namespace {

using Kind = Evidence::Kind;
using Language = EvidenceText::Language;

// The inventory's words for kinds of owners and for their names, and the kinds of entries that start programs: data
// of the engine, shown in the program's language.
constexpr std::array Terms = {
    QT_TRANSLATE_NOOP("EvidenceText", "package"),
    QT_TRANSLATE_NOOP("EvidenceText", "Flatpak app"),
    QT_TRANSLATE_NOOP("EvidenceText", "snap"),
    QT_TRANSLATE_NOOP("EvidenceText", "program"),
    QT_TRANSLATE_NOOP("EvidenceText", "running program"),
    QT_TRANSLATE_NOOP("EvidenceText", "menu entry"),
    QT_TRANSLATE_NOOP("EvidenceText", "pipx package"),
    QT_TRANSLATE_NOOP("EvidenceText", "npm package"),
    QT_TRANSLATE_NOOP("EvidenceText", "cargo crate"),
    QT_TRANSLATE_NOOP("EvidenceText", "Go program"),
    QT_TRANSLATE_NOOP("EvidenceText", "Homebrew formula"),
    QT_TRANSLATE_NOOP("EvidenceText", "Nix package"),
    QT_TRANSLATE_NOOP("EvidenceText", "JetBrains Toolbox app"),
    QT_TRANSLATE_NOOP("EvidenceText", "AppImage"),
    QT_TRANSLATE_NOOP("EvidenceText", "folder in /opt"),
    QT_TRANSLATE_NOOP("EvidenceText", "folder"),
    QT_TRANSLATE_NOOP("EvidenceText", "executable"),
    QT_TRANSLATE_NOOP("EvidenceText", "package name"),
    QT_TRANSLATE_NOOP("EvidenceText", "source package"),
    QT_TRANSLATE_NOOP("EvidenceText", "snap name"),
    QT_TRANSLATE_NOOP("EvidenceText", "desktop-file ID"),
    QT_TRANSLATE_NOOP("EvidenceText", "window class"),
    QT_TRANSLATE_NOOP("EvidenceText", "menu name"),
    QT_TRANSLATE_NOOP("EvidenceText", "icon name"),
    QT_TRANSLATE_NOOP("EvidenceText", "Flatpak ID"),
    QT_TRANSLATE_NOOP("EvidenceText", "last part of Flatpak ID"),
};

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

// One of the inventory's words, or the text as it is when it is none.
QString term(const QString &text, Language language)
{
    const QByteArray bytes = text.toUtf8();
    const auto known = std::find_if(Terms.begin(), Terms.end(), [&](const char *word) { return bytes == word; });
    return known == Terms.end() ? text : words(*known, language);
}

QString launcher(const QString &key, Language language)
{
    for (const auto &[location, word] : Launchers) {
        if (key == QLatin1StringView(location))
            return words(word, language);
    }
    return key;
}

// "executable 'gimp'": the inventory's word for the name, then the name.
QString form(const QString &text, Language language)
{
    const qsizetype quote = text.indexOf(QStringLiteral(" '"));
    if (quote < 0 || !text.endsWith(u'\''))
        return term(text, language);
    return term(text.left(quote), language) + text.mid(quote);
}

// "package gimp", or "executable 'gimp' of package gimp" when a name of the owner matched.
QString owner(const Evidence &evidence, Language language)
{
    const QString kind = term(evidence.ownerKind, language);
    if (evidence.form.isEmpty())
        return words(QT_TRANSLATE_NOOP("EvidenceText", "%1 %2"), language).arg(kind, evidence.owner);
    return words(QT_TRANSLATE_NOOP("EvidenceText", "%1 of %2 %3"), language)
        .arg(form(evidence.form, language), kind, evidence.owner);
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
            .arg(e.application, e.names.join(QStringLiteral(", ")));
    case Kind::readByInstalled:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "'%1' is read by %2 (documented in %3); %4 is installed"))
            .arg(e.name, e.application, e.source, owner(e, language));
    case Kind::readByMissing:
        return say(QT_TRANSLATE_NOOP("EvidenceText", "'%1' is read by %2 (documented in %3); none of %4 is installed"))
            .arg(e.name, e.application, e.source, e.names.join(QStringLiteral(", ")));
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
