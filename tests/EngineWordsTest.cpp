// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CoreApplication.h"
#include "QtPrinters.h"
#include "scanner/RemnantActionReport.h"
#include "ui/ActionReportText.h"
#include "ui/AlertText.h"
#include "ui/FailureText.h"

#include <QTranslator>
#include <gtest/gtest.h>

namespace {

RemnantActionReport trashReport(int moved, QList<RemnantActionReport::Failure> failures)
{
    RemnantActionReport report;
    report.succeeded = moved;
    report.failures = std::move(failures);
    return report;
}

AlertText administratorQuestion(int count)
{
    AlertPresenter::Alert alert{AlertPresenter::Alert::Kind::administratorRights,
                                {AlertPresenter::Answer::proceed, AlertPresenter::Answer::cancel}};
    alert.itemCount = count;
    alert.itemName = QStringLiteral("qqvv.plist");
    return AlertText::of(alert);
}

} // namespace

TEST(EngineWords, CountsAndReasonsReadInEnglishAndInGerman)
{
    coreApplication();
    FailureReason held = FailureReason::of(FailureReason::Kind::holdsProtected);
    held.place = ProtectedPlace::homeLibrary;
    const RemnantActionReport one = trashReport(1, {});
    const RemnantActionReport some = trashReport(3, {{QStringLiteral("a"), held}, {QStringLiteral("b"), held}});
    const QStringList skipped{QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"), QStringLiteral("w")};

    EXPECT_EQ(ActionReportText::summary(one), QStringLiteral("Moved 1 item to the Trash"));
    EXPECT_EQ(ActionReportText::summary(some, skipped),
              QStringLiteral("Moved 3 items to the Trash; 2 could not be moved; left 4 that needed a look in place: "
                             "x, y, z and 1 more"));
    EXPECT_EQ(ActionReportText::details(some), QStringLiteral("a: It holds the Library folder of the home\n"
                                                              "b: It holds the Library folder of the home"));
    EXPECT_EQ(administratorQuestion(3).informativeText,
              QStringLiteral("3 items require administrator privileges to move to Trash. Do you want to continue?"));
    EXPECT_EQ(administratorQuestion(3).buttons, (QStringList{QStringLiteral("Continue"), QStringLiteral("Cancel")}));
    EXPECT_EQ(administratorQuestion(3).escapeButton, 1);

    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral(":/i18n/leftscan_de.qm")));
    QCoreApplication::installTranslator(&german);
    EXPECT_EQ(ActionReportText::summary(one), QStringLiteral("1 Eintrag in den Papierkorb verschoben"));
    EXPECT_EQ(ActionReportText::summary(some, skipped),
              QStringLiteral("3 Einträge in den Papierkorb verschoben; 2 konnten nicht verschoben werden; 4 Einträge, "
                             "die genauer angesehen werden sollten, blieben an ihrem Platz: x, y, z und 1 weiterer"));
    EXPECT_EQ(ActionReportText::details(some).section(u'\n', 0, 0),
              QStringLiteral("a: Es enthält den Library-Ordner des persönlichen Ordners"));
    EXPECT_EQ(administratorQuestion(3).informativeText,
              QStringLiteral("Um 3 Einträge in den Papierkorb zu verschieben, sind Administratorrechte nötig. Möchten "
                             "Sie fortfahren?"));
    EXPECT_EQ(administratorQuestion(3).buttons,
              (QStringList{QStringLiteral("Fortfahren"), QStringLiteral("Abbrechen")}));
    QCoreApplication::removeTranslator(&german);
}
