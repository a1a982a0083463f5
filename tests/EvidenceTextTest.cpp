// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/EvidenceText.h"
#include "CoreApplication.h"
#include "QtPrinters.h"

#include <QTranslator>
#include <gtest/gtest.h>

namespace {

using Kind = Evidence::Kind;
using Strength = Evidence::Strength;
using Language = EvidenceText::Language;

Evidence owned(Evidence evidence, const QString &owner, OwnerKind ownerKind, const NameForm &form = {})
{
    evidence.owner = owner;
    evidence.ownerKind = ownerKind;
    evidence.form = form;
    return evidence;
}

} // namespace

// Clauses read in English as the attribution has always told them and in German with nothing English left but the
// names; output meant to read the same everywhere stays English under any translation.
TEST(EvidenceText, ReadsInEnglishAndGermanFromTheValues)
{
    coreApplication();
    Evidence nothing{Kind::noProgramNamed};
    nothing.names = QStringList{"qqplay", "qq"};
    const EvidenceList orphan{nothing, Evidence{Kind::libraryHasName, Strength::direct, "qqplay", "libqqplay5"},
                              owned(Evidence{Kind::lookalikeWord, Strength::weak, "qq"}, "qq-tools", OwnerKind::package,
                                    {NameForm::Kind::executable, "qq"})};
    Evidence weak{Kind::nameWordResemblesRecordPart, Strength::weak, "zzqxx", "org.zzqx.studio", "Zzqx Studio"};
    Evidence weakUnidentified = weak;
    weakUnidentified.source.clear();
    const EvidenceList started{
        owned(Evidence{Kind::runsInstalledProgram, Strength::direct, "/usr/bin/qqsync", "Autostart"}, "qqsync",
              OwnerKind::package)};
    const EvidenceList named{owned(Evidence{Kind::namesInstalled, Strength::direct, "boxes", "gnome-boxes"},
                                   "org.gnome.Boxes", OwnerKind::flatpakApp,
                                   {NameForm::Kind::flatpakIdLastPart, "org.gnome.Boxes"}),
                             owned(Evidence{Kind::startsInstalled, Strength::direct, "qqbrew", "Menu Entries"},
                                   "qqbrew", OwnerKind::homebrewFormula),
                             owned(Evidence{Kind::namesInstalledProject, Strength::direct, "qqtool", "qqtool-3"},
                                   "/opt/qq/qqtool", OwnerKind::optFolder, {NameForm::Kind::folder, "/opt/qq/qqtool"})};
    Evidence missing{Kind::catalogueFolderMissing, Strength::catalogue, ".qqchat"};
    missing.application = "QQ Chat";
    missing.names = {"qqchat", "org.qq.Chat"};
    missing.snaps = {"qqchat"};
    const struct {
        EvidenceList evidence;
        const char *english;
        const char *german;
    } cases[] = {
        {orphan,
         "no installed program, Flatpak app, snap or menu entry is named 'qqplay' or 'qq'; libqqplay5 has the name but "
         "is a library; only the word 'qq' matches executable 'qq' of package qq-tools, which is installed: a "
         "look-alike, not the owner",
         "kein installiertes Programm, keine Flatpak-App, kein Snap und kein Menüeintrag heißt 'qqplay' oder 'qq'; "
         "libqqplay5 trägt den Namen, ist aber eine Bibliothek; nur das Wort 'qq' passt zu Programmdatei 'qq' von "
         "Paket qq-tools (installiert): ähnlich, aber nicht der Eigentümer"},
        {{weak},
         "name word 'zzqxx' resembles an identifier part or name word of Zzqx Studio (org.zzqx.studio)",
         "Namenswort 'zzqxx' ähnelt einem Teil der Kennung oder einem Namenswort von Zzqx Studio (org.zzqx.studio)"},
        {{weakUnidentified},
         "name word 'zzqxx' resembles an identifier part or name word of Zzqx Studio",
         "Namenswort 'zzqxx' ähnelt einem Teil der Kennung oder einem Namenswort von Zzqx Studio"},
        {started, "autostart entry runs /usr/bin/qqsync, of package qqsync",
         "Autostart-Eintrag führt /usr/bin/qqsync aus, aus Paket qqsync"},
        {named,
         "'gnome-boxes' names boxes: last part of Flatpak ID 'org.gnome.Boxes' of Flatpak app org.gnome.Boxes, which "
         "is installed; menu entry starts Homebrew formula qqbrew, which is installed; 'qqtool-3' names the project "
         "qqtool: folder '/opt/qq/qqtool' of folder in /opt /opt/qq/qqtool, which is installed",
         "'gnome-boxes' nennt boxes: letzter Teil der Flatpak-ID 'org.gnome.Boxes' von Flatpak-App org.gnome.Boxes "
         "(installiert); Menüeintrag startet Homebrew-Formel qqbrew (installiert); 'qqtool-3' nennt das Projekt "
         "qqtool: "
         "Ordner '/opt/qq/qqtool' von Ordner in /opt /opt/qq/qqtool (installiert)"},
        {{missing},
         "folder of QQ Chat; none of qqchat, org.qq.Chat, snap qqchat is installed",
         "Ordner von QQ Chat; nichts davon ist installiert: qqchat, org.qq.Chat, Snap qqchat"},
        {{Evidence{}}, "no evidence found", "kein Hinweis gefunden"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(EvidenceText::text(c.evidence), QString::fromUtf8(c.english));

    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral(":/i18n/leftscan_de.qm")));
    QCoreApplication::installTranslator(&german);
    for (const auto &c : cases) {
        EXPECT_EQ(EvidenceText::text(c.evidence), QString::fromUtf8(c.german));
        EXPECT_EQ(EvidenceText::text(c.evidence, Language::english), QString::fromUtf8(c.english));
    }
    QCoreApplication::removeTranslator(&german);
}
