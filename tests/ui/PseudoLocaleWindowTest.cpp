// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowFixture.h"
#include "platform/PathNames.h"
#include "platform/ProgramTranslations.h"
#include "scanner/RemnantActionReport.h"
#include "ui/ActionBanner.h"
#include "ui/ActionReportText.h"
#include "ui/AlertText.h"
#include "ui/ContentView.h"
#include "ui/DisplayText.h"
#include "ui/MediumDateFormatter.h"
#include "ui/PseudoTranslator.h"
#include "ui/RemnantActions.h"
#include "ui/RemnantFilterProxy.h"
#include "ui/RemnantItemsView.h"
#include "ui/RemnantRowDelegate.h"
#include "ui/WindowAlertPresenter.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace {

// The main window over the demonstration Mac in the pseudo-language.
class PseudoLocaleWindow : public WindowFixture {
protected:
    void SetUp() override
    {
        application();
        QCoreApplication::installTranslator(&m_translator);
        WindowFixture::SetUp();
    }

    void TearDown() override
    {
        WindowFixture::TearDown();
        QCoreApplication::removeTranslator(&m_translator);
    }

    void scanAndWait()
    {
        scanAndMeasure();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !m_scanner->isMeasuringSizes(); }, 10000));
        QCoreApplication::processEvents();
    }

    // What the scan found, which is shown as it is: names, apps, paths.
    QSet<QString> foundTexts() const
    {
        QSet<QString> texts;
        for (const RemnantItemPtr &item : m_scanner->remnants()) {
            texts << item->name() << item->displayPath();
            texts << item->matchedAppName().value_or(QString()) << item->bundleIdentifier().value_or(QString());
            for (const std::optional<QDateTime> &date : {item->creationDate(), item->lastModified()}) {
                if (date)
                    texts << MediumDateFormatter::format(*date, ProgramTranslations::displayLocale());
            }
        }
        return texts;
    }

    // Every text a person can see or hear of the window's widgets, actions and menus, each with where it is.
    QList<std::pair<QString, QString>> visibleTexts() const
    {
        QList<std::pair<QString, QString>> texts;
        const auto add = [&texts](const QObject *where, const QString &kind, const QString &text) {
            texts.append({text, where->metaObject()->className() + (u' ' + kind)});
        };
        for (const QWidget *widget : m_window->findChildren<QWidget *>()) {
            if (!widget->isVisibleTo(m_window.get()))
                continue;
            add(widget, QStringLiteral("tooltip"), widget->toolTip());
            add(widget, QStringLiteral("accessible name"), widget->accessibleName());
            if (const auto *label = qobject_cast<const QLabel *>(widget))
                add(widget, QStringLiteral("text"), label->text());
            if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
                add(widget, QStringLiteral("text"), button->text());
            if (const auto *field = qobject_cast<const QLineEdit *>(widget))
                add(widget, QStringLiteral("placeholder"), field->placeholderText());
            if (const auto *box = qobject_cast<const QComboBox *>(widget)) {
                for (int i = 0; i < box->count(); ++i)
                    add(widget, QStringLiteral("item"), box->itemText(i));
            }
        }
        for (const QAction *menu : m_window->menuBar()->actions()) {
            add(menu, QStringLiteral("menu"), menu->text());
            for (const QAction *action : menu->menu()->actions()) {
                add(action, QStringLiteral("action"), action->text());
                add(action, QStringLiteral("action tooltip"), action->toolTip());
            }
        }
        const RemnantItemsView &items = *list().itemsView();
        for (int row = 0; row < items.model()->rowCount(); ++row) {
            const RemnantItemPtr item = list().sortedRemnants().at(row);
            add(&items, QStringLiteral("row age"), DisplayText::age(*item).value_or(QString()));
            add(&items, QStringLiteral("row used"), DisplayText::lastUsed(*item));
        }
        for (const auto button : {RemnantRowDelegate::RowButton::reveal, RemnantRowDelegate::RowButton::tag,
                                  RemnantRowDelegate::RowButton::trash})
            add(&items, QStringLiteral("row button"), items.rowDelegate()->tooltip(button));
        return texts;
    }

    // Texts that name nothing, or that the scan found, are not translated; "1.5 MB" and "Zero KB" are the
    // formatter's.
    QStringList untranslated() const
    {
        static const QRegularExpression letter(QStringLiteral("\\p{L}"));
        static const QRegularExpression size(QStringLiteral("^-?[\\d.,]+ [KMGTPE]B$"));
        const QSet<QString> found = foundTexts();
        QStringList failures;
        for (const auto &[text, where] : visibleTexts()) {
            if (text.contains(PseudoTranslator::Open) || !text.contains(letter) || text.contains(size) ||
                found.contains(QString(text).remove(u'\u200b')))
                continue;
            failures.append(where + QStringLiteral(": ") + text);
        }
        failures.removeDuplicates();
        return failures;
    }

    // Labels and buttons of the window, or of a dialog, that are narrower than their text needs.
    QStringList squeezed(const QWidget *window = nullptr) const
    {
        if (!window)
            window = m_window.get();
        // Laid out first for the texts they show now.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QStringList failures;
        for (const QWidget *widget : window->findChildren<QWidget *>()) {
            if (!widget->isVisibleTo(window) ||
                !(qobject_cast<const QLabel *>(widget) || qobject_cast<const QAbstractButton *>(widget)))
                continue;
            if (widget->width() < widget->minimumSizeHint().width())
                failures.append(QStringLiteral("%1 \"%2\": %3 < %4")
                                    .arg(widget->metaObject()->className(),
                                         widget->property("text").toString() + widget->accessibleName())
                                    .arg(widget->width())
                                    .arg(widget->minimumSizeHint().width()));
        }
        return failures;
    }

    PseudoTranslator m_translator;
};

} // namespace

TEST_F(PseudoLocaleWindow, EveryTextPassesThroughTranslationAndTheLongerTextsStillFit)
{
    EXPECT_EQ(untranslated().join(u'\n').toStdString(), "");
    EXPECT_EQ(squeezed().join(u'\n').toStdString(), "");

    // A scan in progress: where it stands and what it has listed so far.
    m_scanner->scan();
    ASSERT_TRUE(m_scanner->isScanning());
    QCoreApplication::processEvents();
    EXPECT_EQ(untranslated().join(u'\n').toStdString(), "");
    ASSERT_TRUE(QTest::qWaitFor([this] { return !m_scanner->isScanning(); }, 10000));

    scanAndWait();
    ASSERT_FALSE(m_scanner->remnants().isEmpty());
    // A long-unused orphan and an item that holds the user's files, so that the detail pane shows its warnings.
    const QList<RemnantItemPtr> shown = list().sortedRemnants();
    for (const auto wanted : {&RemnantItem::isLongUnused, &RemnantItem::holdsUserFiles}) {
        const auto chosen = std::find_if(shown.begin(), shown.end(),
                                         [wanted](const RemnantItemPtr &item) { return (*item.*wanted)(); });
        ASSERT_NE(chosen, shown.end());
        list().itemsView()->setCurrentIndex(list().proxy()->index(int(chosen - shown.begin()), 0));
        QCoreApplication::processEvents();
        EXPECT_EQ(untranslated().join(u'\n').toStdString(), "");
        EXPECT_EQ(squeezed().join(u'\n').toStdString(), "");
    }

    // The bulk move's question, in the window's language, is left with Escape by its translated Cancel.
    const auto question = RemnantActions::bulkQuestion(m_scanner->remnants());
    ASSERT_TRUE(question);
    QList<QPushButton *> buttons;
    const std::unique_ptr<QMessageBox> box = WindowAlertPresenter::messageBox(question->alert, m_window.get(), buttons);
    ASSERT_FALSE(buttons.isEmpty());
    EXPECT_TRUE(buttons.last()->text().contains(QStringLiteral("Cancel"))) << buttons.last()->text().toStdString();
    EXPECT_EQ(box->escapeButton(), buttons.last());
    box->show();
    EXPECT_EQ(squeezed(box.get()).join(u'\n').toStdString(), "");
}

TEST_F(PseudoLocaleWindow, TheEnginesAlertsReasonsAndReportsPassThroughTranslation)
{
    using Kind = FailureReason::Kind;
    using Answer = AlertPresenter::Answer;
    const std::filesystem::path folder = "/qqvv/folder";
    // What remains of a text once every translated part and the names it was given are taken out.
    const auto untranslatedPart = [&](QString text) {
        static const QRegularExpression translated(QStringLiteral("«[^«»]*»"));
        for (qsizetype before = -1; before != text.size();) {
            before = text.size();
            text.remove(translated);
        }
        text.remove(QStringLiteral("qqvv.plist")).remove(PathNames::text(folder));
        return text.contains(QRegularExpression(QStringLiteral("\\p{L}"))) ? text : QString();
    };

    QList<FailureReason> reasons;
    for (const Kind kind : {Kind::notAnEntry, Kind::noLongerExists, Kind::folderUnreachable, Kind::folderGone,
                            Kind::controlRefused, Kind::stillInPlace, Kind::outsideHome, Kind::trashUnwritable}) {
        FailureReason reason = FailureReason::of(kind);
        reason.path = folder;
        reasons.append(reason);
    }
    for (const ScanProfile profile : {ScanProfile::mac, ScanProfile::linuxDesktop}) {
        FailureReason reason = FailureReason::of(Kind::notInScannedFolder);
        reason.profile = profile;
        reasons.append(reason);
    }
    for (const ProtectedPlace place :
         {ProtectedPlace::homeFolder, ProtectedPlace::homeLibrary, ProtectedPlace::rootFolder,
          ProtectedPlace::rootLibrary, ProtectedPlace::homeTrash, ProtectedPlace::scannedFolder,
          ProtectedPlace::application}) {
        for (const Kind kind : {Kind::isProtected, Kind::holdsProtected}) {
            FailureReason reason = FailureReason::of(kind);
            reason.place = place;
            reason.path = folder;
            reasons.append(reason);
        }
    }

    using AlertKind = AlertPresenter::Alert::Kind;
    QList<AlertPresenter::Alert> alerts;
    for (const AlertKind kind : {AlertKind::fullDiskAccess, AlertKind::automationAccess})
        alerts.append({kind, {Answer::openSettings, Answer::cancel}});
    alerts.append({AlertKind::rootAsHome, {Answer::ok}, folder});
    for (const bool isLibrary : {false, true})
        alerts.append({AlertKind::unreadableFolder, {Answer::ok}, folder, isLibrary});
    for (const int count : {1, 3})
        alerts.append({AlertKind::administratorRights,
                       {Answer::proceed, Answer::openSettings, Answer::cancel},
                       {},
                       false,
                       count,
                       QStringLiteral("qqvv.plist")});
    for (const FailureReason &reason : reasons) {
        for (const AlertKind kind : {AlertKind::trashFailed, AlertKind::privilegedTrashFailed})
            alerts.append(
                {kind, {Answer::ok, Answer::openSettings}, {}, false, 1, QStringLiteral("qqvv.plist"), reason});
    }
    QStringList failures;
    for (const AlertPresenter::Alert &alert : alerts) {
        const AlertText text = AlertText::of(alert);
        for (const QString &each : QStringList{text.message, text.informativeText} + text.buttons) {
            if (const QString left = untranslatedPart(each); !left.isEmpty())
                failures.append(each);
        }
    }

    // The band below the list after an action, with its reasons.
    ActionBanner &banner = *m_window->contentView()->actionBanner();
    for (const auto kind :
         {RemnantActionReport::Kind::trash, RemnantActionReport::Kind::tag, RemnantActionReport::Kind::restore}) {
        RemnantActionReport report;
        report.kind = kind;
        report.color = kind == RemnantActionReport::Kind::tag ? std::optional(FinderTagColor::blue) : std::nullopt;
        report.succeeded = 3;
        for (const FailureReason &reason : reasons)
            report.failures.append({QStringLiteral("qqvv.plist"), reason});
        banner.showReport(report, {QStringLiteral("qqvv.plist")});
        for (const QString &each : QStringList{banner.text()} + ActionReportText::details(report).split(u'\n')) {
            if (const QString left = untranslatedPart(each); !left.isEmpty())
                failures.append(each);
        }
    }
    EXPECT_EQ(failures.join(u'\n').toStdString(), "");
}
