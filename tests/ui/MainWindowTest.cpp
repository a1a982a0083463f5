// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowFixture.h"

#include "GatedSizesPlatform.h"
#include "platform/FileTags.h"
#include "scanner/RemnantActionReport.h"
#include "scanner/RemnantFilter.h"
#include "ui/ActionBanner.h"
#include "ui/ActionReportText.h"
#include "ui/AlertText.h"
#include "ui/BulkActionSheet.h"
#include "ui/ByteCountFormatter.h"
#include "ui/ColorCircleButton.h"
#include "ui/DetailView.h"
#include "ui/DisplayText.h"
#include "ui/EmptyDetailView.h"
#include "ui/EvidenceText.h"
#include "ui/FilterChip.h"
#include "ui/InfoBlock.h"
#include "ui/ManualView.h"
#include "ui/MetaCell.h"
#include "ui/ProminentButton.h"
#include "ui/RemnantActions.h"
#include "ui/RemnantFilterProxy.h"
#include "ui/RemnantItemsView.h"
#include "ui/RemnantListModel.h"
#include "ui/ScanToolbar.h"
#include "ui/ScanWarningsBanner.h"
#include "ui/SearchBar.h"
#include "ui/SettingsView.h"
#include "ui/SidebarView.h"
#include "ui/Spinner.h"
#include "ui/Stepper.h"
#include "ui/SummaryRow.h"
#include "ui/TagActionView.h"
#include "ui/Theme.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace {

// Clicks the button titled `title` of the next modal dialog, once it is shown; `shown`, when given, receives the
// dialog's texts and buttons.
void answerNextDialog(const QString &title, AlertText *shown = nullptr)
{
    auto *poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, title, shown] {
        auto *modal = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!modal)
            return;
        for (QAbstractButton *button : modal->buttons()) {
            if (button->text() != title)
                continue;
            if (shown) {
                *shown = {modal->text(), modal->informativeText(), {}};
                for (const QAbstractButton *each : modal->buttons())
                    shown->buttons.append(each->text());
            }
            poll->deleteLater();
            button->click();
            return;
        }
    });
    poll->start();
}

} // namespace

TEST_F(WindowFixture, FollowsTheScanFromWelcomeThroughProgressToResults)
{
    ScanToolbar &toolbar = *m_window->toolbar();
    SidebarView &sidebar = *m_window->contentView()->sidebar();
    EXPECT_EQ(list().content(), RemnantListView::Content::welcome);
    EXPECT_EQ(toolbar.scanButton()->text(), "Start Scan");
    EXPECT_FALSE(toolbar.progressBar()->isVisible());
    EXPECT_FALSE(toolbar.summaryLabel()->isVisible());
    EXPECT_FALSE(m_window->contentView()->showsDetail());
    EXPECT_EQ(sidebar.orphansRow()->value(), "0");
    EXPECT_TRUE(sidebar.totalRow()->isDimmed());
    EXPECT_TRUE(sidebar.sizeRow()->isDimmed());
    EXPECT_EQ(sidebar.allCategoriesRow()->value(), "");
    EXPECT_EQ(sidebar.categoryRow(RemnantCategory::caches)->value(), "0");
    EXPECT_EQ(sidebar.riskRow(RemnantRisk::review)->value(), "0");

    // While the list streams in, the scanning screen, the busy button and the bar show.
    bool sawScanning = false;
    QObject::connect(&m_scanner->session(), &ScanSession::itemsAppended, m_window.get(), [&] {
        sawScanning =
            sawScanning || (list().content() == RemnantListView::Content::scanning &&
                            toolbar.scanButton()->text() == "Scanning..." && toolbar.progressBar()->isVisible());
    });
    QAbstractItemModelTester tester(list().proxy(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    m_window->startScanAction()->trigger();
    scanToEnd();
    EXPECT_TRUE(sawScanning);

    ASSERT_GT(m_scanner->remnants().size(), 20);
    EXPECT_EQ(list().content(), RemnantListView::Content::list);
    EXPECT_EQ(toolbar.scanButton()->text(), "Start Scan");
    EXPECT_FALSE(toolbar.progressBar()->isVisible());
    int orphans = 0;
    for (const RemnantItemPtr &item : m_scanner->remnants())
        orphans += item->status() == RemnantStatus::orphan;
    EXPECT_EQ(sidebar.orphansRow()->value(), QString::number(orphans));
    EXPECT_EQ(sidebar.totalRow()->value(), QString::number(m_scanner->remnants().size()));
    EXPECT_EQ(toolbar.summaryLabel()->text(), QStringLiteral("%1 items · %2")
                                                  .arg(m_scanner->remnants().size())
                                                  .arg(ByteCountFormatter::fileSize(m_scanner->totalSize())));

    // The filters drive the toolbar's figures, not the sidebar's.
    list().orphansChip()->click();
    QApplication::processEvents();
    EXPECT_EQ(list().sortedRemnants().size(), orphans);
    EXPECT_TRUE(toolbar.summaryLabel()->text().startsWith(QString::number(orphans) + " items · "));
    EXPECT_EQ(sidebar.totalRow()->value(), QString::number(m_scanner->remnants().size()));
    list().searchBar()->setText("NO-SUCH-LEFTOVER-ANYWHERE");
    QApplication::processEvents();
    EXPECT_EQ(list().content(), RemnantListView::Content::emptyResults);
    EXPECT_TRUE(toolbar.summaryLabel()->text().startsWith("0 items · "));

    // A change of appearance recolours the texts that keep colours of their own.
    Theme::setDark(application(), true);
    EXPECT_EQ(toolbar.summaryLabel()->palette().color(QPalette::WindowText), Theme::secondaryLabel());
    Theme::setDark(application(), false);
    EXPECT_EQ(toolbar.summaryLabel()->palette().color(QPalette::WindowText), Theme::secondaryLabel());
}

TEST_F(WindowFixture, ListsInEachOrderStablyWithTheScannersFilter)
{
    // Sorted by name while the scan streams in, then in every order over a filtered list.
    m_scanner->setSearchText("com");
    list().setSortOrder(RemnantSortOrder::nameAscending);
    scanToEnd();
    const QList<RemnantItemPtr> filtered = m_scanner->filteredRemnants();
    ASSERT_GT(filtered.size(), 5);
    for (const RemnantSortOrder order :
         {RemnantSortOrder::nameAscending, RemnantSortOrder::riskDescending, RemnantSortOrder::sizeDescending,
          RemnantSortOrder::lastUsedDescending, RemnantSortOrder::nameAscending}) {
        list().sortMenu()->setCurrentIndex(list().sortMenu()->findText(DisplayText::of(order)));
        EXPECT_EQ(list().sortOrder(), order);
        QList<RemnantItemPtr> expected = filtered;
        std::stable_sort(expected.begin(), expected.end(), [order](const RemnantItemPtr &a, const RemnantItemPtr &b) {
            return sortsBefore(order, *a, *b);
        });
        EXPECT_EQ(list().sortedRemnants(), expected) << DisplayText::of(order).toStdString();
    }

    // The list looks for the text in all records at once; each record asked alone must agree, and so must the count.
    for (const char *query : {"c", "co", "com.", "co", "", "ADOBE", "e\nc", "\xc3\xa9", "m.ad"}) {
        m_scanner->setSearchText(QString::fromUtf8(query));
        QApplication::processEvents();
        QList<RemnantItemPtr> shown = list().sortedRemnants();
        QList<RemnantItemPtr> expected = m_scanner->filteredRemnants();
        std::sort(shown.begin(), shown.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(shown, expected) << query;
        EXPECT_TRUE(m_window->toolbar()->summaryLabel()->text().startsWith(QString::number(shown.size()) + " items"))
            << query;
    }
}

TEST_F(WindowFixture, ChipsStepperAndSettingsShareTheScannersFilters)
{
    EXPECT_FALSE(list().stepper()->isVisibleTo(&list()));
    list().staleChip()->click();
    EXPECT_TRUE(m_scanner->filterStaleOnly());
    EXPECT_TRUE(list().stepper()->isVisibleTo(&list()));
    EXPECT_EQ(list().thresholdLabel()->text(), "365d");
    QTest::keyClick(list().stepper(), Qt::Key_Up);
    EXPECT_EQ(m_scanner->staleThresholdDays(), 395);
    EXPECT_EQ(list().thresholdLabel()->text(), "395d");
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(list().stepper(), Qt::Key_Up);
    EXPECT_EQ(m_scanner->staleThresholdDays(), 730);
    list().stepper()->stepBy(-100);
    EXPECT_EQ(m_scanner->staleThresholdDays(), 30);

    SettingsView settings(*m_scanner, m_window.get());
    EXPECT_EQ(settings.thresholdField()->text(), "30");
    settings.thresholdField()->setText("90");
    emit settings.thresholdField()->editingFinished();
    EXPECT_EQ(m_scanner->staleThresholdDays(), 90);
    EXPECT_EQ(list().thresholdLabel()->text(), "90d");
    EXPECT_EQ(settings.explanation()->text(), "Files that haven't been accessed for 90 days will be marked as stale.");
    settings.thresholdField()->setText("ninety");
    emit settings.thresholdField()->editingFinished();
    EXPECT_EQ(m_scanner->staleThresholdDays(), 90);
    settings.thresholdField()->setText("-5");
    emit settings.thresholdField()->editingFinished();
    EXPECT_EQ(m_scanner->staleThresholdDays(), -5);

    list().hideInstalledChip()->click();
    list().orphansChip()->click();
    EXPECT_TRUE(m_scanner->hideInstalledApps());
    EXPECT_TRUE(m_scanner->filterOrphansOnly());
    m_scanner->setFilterOrphansOnly(false);
    EXPECT_FALSE(list().orphansChip()->isChecked());
}

TEST_F(WindowFixture, BulkSelectionByKeysAndClicksAndItsSheetTagsRealFiles)
{
    scanToEnd();
    RemnantItemsView &view = *list().itemsView();
    view.setFocus();
    view.setCurrentIndex(list().proxy()->index(0, 0));
    QTest::keyClick(&view, Qt::Key_Space);
    EXPECT_EQ(list().selectedItems().size(), 1);
    EXPECT_TRUE(list().bulkButton()->isVisibleTo(&list()));
    EXPECT_EQ(list().bulkButton()->text(), "Bulk actions (1)");
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      view.visualRect(list().proxy()->index(2, 0)).center());
    EXPECT_EQ(list().selectedItems().size(), 3);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ControlModifier,
                      view.visualRect(list().proxy()->index(1, 0)).center());
    EXPECT_EQ(list().selectedItems().size(), 2);
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_TRUE(list().selectedItems().isEmpty());
    EXPECT_FALSE(list().bulkButton()->isVisibleTo(&list()));
    m_window->selectAllAction()->trigger();
    EXPECT_EQ(list().selectedItems().size(), list().proxy()->rowCount());
    QTest::keyClick(&view, Qt::Key_Escape);

    const QList<RemnantItemPtr> shown = list().sortedRemnants();
    for (int i = 0; i < 3; ++i)
        list().toggleSelected(shown[i]);
    list().bulkButton()->click();
    BulkActionSheet *sheet = m_window->findChild<BulkActionSheet *>();
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->items().size(), 3);
    EXPECT_EQ(sheet->sizeLabel()->text(),
              ByteCountFormatter::fileSize(shown[0]->displayedSize() + shown[1]->displayedSize() +
                                           shown[2]->displayedSize()) +
                  " in all");
    QSignalSpy finished(m_scanner.get(), &RemnantScanner::actionFinished);
    sheet->tagButton(FinderTagColor::blue)->click();
    ASSERT_TRUE(finished.wait(10000));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(shown[i]->action(), RemnantAction::tagged(FinderTagColor::blue));
        EXPECT_TRUE(FileTags::tags(shown[i]->url()).contains("Blue"));
    }
    EXPECT_TRUE(FileTags::tags(shown[3]->url()).isEmpty());

    // The chooser checks the colour an item carries, and only that one.
    TagActionView chooser(*shown[0], m_scanner->profile(), TagActionView::Presentation::sheet, m_window.get());
    for (const FinderTagColor color : allCases<FinderTagColor>())
        EXPECT_EQ(chooser.button(color)->hasCheckMark(), color == FinderTagColor::blue);

    // A new scan starts with an empty bulk selection.
    EXPECT_FALSE(list().selectedItems().isEmpty());
    scanToEnd();
    EXPECT_TRUE(list().selectedItems().isEmpty());
}

TEST_F(WindowFixture, DetailPaneShowsTheChosenLeftoverAndMovesItToTheTrash)
{
    scanToEnd();
    const QList<RemnantItemPtr> shown = list().sortedRemnants();
    const auto longUnused = std::find_if(shown.begin(), shown.end(), [](const RemnantItemPtr &item) {
        return item->isLongUnused() && !item->bundleIdentifier() && !item->matchedAppName();
    });
    ASSERT_NE(longUnused, shown.end());
    list().itemsView()->setCurrentIndex(list().proxy()->index(int(longUnused - shown.begin()), 0));
    DetailView &detail = *m_window->contentView()->detailView();
    ASSERT_TRUE(m_window->contentView()->showsDetail());
    EXPECT_EQ(detail.remnant(), *longUnused);
    const QList<MetaCell *> cells = detail.cells();
    ASSERT_GE(cells.size(), 3);
    EXPECT_EQ(cells[0]->label(), "Category");
    EXPECT_EQ(cells[1]->label(), "Bundle ID");
    EXPECT_EQ(list().itemsView()->rowDelegate()->tooltip(RemnantRowDelegate::RowButton::reveal), "Show in Finder");
    EXPECT_EQ(cells[1]->value(), "Not found");
    // No system here records opening it: the date is its last change, and the pane says so as the row does.
    EXPECT_EQ(cells[2]->label(), "Last changed");
    EXPECT_EQ(cells[2]->value(), DisplayText::lastUsed(**longUnused));
    EXPECT_EQ(cells[2]->valueColor(), Theme::color(SystemColor::orange));
    ASSERT_TRUE(detail.block("Not used for a long time"));
    EXPECT_EQ(detail.block("Not used for a long time")->text(),
              QStringLiteral("Nothing in this item has changed for %1 days.").arg(*(*longUnused)->daysSinceLastUse()));
    EXPECT_EQ(detail.block("Path")->text(), (*longUnused)->displayPath());
    EXPECT_TRUE(detail.block("Why this app"));

    const std::filesystem::path path = (*longUnused)->url();
    answerNextDialog("Cancel");
    detail.trashButton()->click();
    EXPECT_TRUE(std::filesystem::exists(path));

    QSignalSpy finished(m_scanner.get(), &RemnantScanner::actionFinished);
    answerNextDialog("Move to Trash");
    detail.trashButton()->click();
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(path)));
    EXPECT_FALSE(list().sortedRemnants().contains(*longUnused));
    EXPECT_EQ(detail.remnant(), *longUnused);
}

TEST_F(WindowFixture, AFolderLeftOutIsNamedAboveTheList)
{
    const std::filesystem::path caches = m_demo->home() / "Library" / "Caches";
    std::filesystem::remove_all(caches);
    std::filesystem::create_directory_symlink("..", caches);
    scanToEnd();
    EXPECT_TRUE(list().warningsBanner()->isVisibleTo(&list()));
    EXPECT_TRUE(list().warningsBanner()->text().contains("Caches was not scanned"));
    for (const RemnantItemPtr &item : m_scanner->remnants())
        EXPECT_NE(item->url().parent_path(), caches);
}

TEST_F(WindowFixture, ClosingTheWindowStopsAScanAtOnce)
{
    QSignalSpy cancelled(m_scanner.get(), &RemnantScanner::scanCancelled);
    QObject::connect(m_scanner.get(), &RemnantScanner::isScanningAppsChanged, m_window.get(), [this](bool scanning) {
        if (scanning)
            QTimer::singleShot(0, m_window.get(), &QWidget::close);
    });
    m_scanner->scan();
    ASSERT_TRUE(cancelled.wait(5000));
    EXPECT_FALSE(m_scanner->isScanning());
}

TEST_F(WindowFixture, CtrlZPutsTheItemsOfTheLastMoveBackWithTheirEarlierStatus)
{
    scanToEnd();
    QAction *undo = m_window->undoAction();
    EXPECT_EQ(undo->text(), "Undo Move to Trash");
    EXPECT_EQ(undo->shortcut(), QKeySequence(QKeySequence::Undo));
    EXPECT_FALSE(undo->isEnabled());

    // The first and the last of the list, so that both an orphan and an item of an installed app are among them.
    const QList<RemnantItemPtr> shown = list().sortedRemnants();
    ASSERT_GE(shown.size(), 4);
    const QList<RemnantItemPtr> chosen = {shown[0], shown[1], shown.last()};
    QList<RemnantStatus> statuses;
    for (const RemnantItemPtr &item : chosen)
        statuses.append(item->status());
    ASSERT_NE(statuses.first(), statuses.last());
    const auto closeReports = [this] {
        for (QMessageBox *box : m_window->findChildren<QMessageBox *>())
            box->close();
        QApplication::processEvents();
    };

    QSignalSpy finished(m_scanner.get(), &RemnantScanner::actionFinished);
    m_window->actions()->trash(chosen, chosen);
    ASSERT_TRUE(finished.wait(10000));
    closeReports();
    EXPECT_EQ(list().sortedRemnants().size(), shown.size() - 3);
    EXPECT_TRUE(undo->isEnabled());
    // Where the user looks, the band below the list says what happened and offers Undo; the detail pane of a moved
    // item no longer offers to move it.
    ActionBanner &banner = *m_window->contentView()->actionBanner();
    EXPECT_TRUE(banner.isVisible());
    EXPECT_EQ(banner.text(), "Moved 3 items to the Trash");
    EXPECT_TRUE(banner.undoButton()->isVisible());
    DetailView &detail = *m_window->contentView()->detailView();
    detail.setRemnant(chosen.first());
    EXPECT_TRUE(detail.trashButton()->isHidden());

    m_window->activateWindow();
    QApplication::setActiveWindow(m_window.get());
    QTest::keyClick(list().itemsView(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(finished.wait(10000));
    const RemnantActionReport report = finished.last().at(0).value<RemnantActionReport>();
    EXPECT_EQ(ActionReportText::summary(report), "Put back 3 items");
    QApplication::processEvents();
    EXPECT_FALSE(m_window->findChild<QMessageBox *>());
    EXPECT_EQ(banner.text(), "Put back 3 items");
    EXPECT_TRUE(banner.isVisible() && banner.undoButton()->isHidden());

    EXPECT_FALSE(undo->isEnabled());
    const QList<RemnantItemPtr> after = list().sortedRemnants();
    EXPECT_EQ(after, shown);
    for (qsizetype i = 0; i < chosen.size(); ++i) {
        EXPECT_TRUE(after.contains(chosen[i]));
        EXPECT_EQ(chosen[i]->status(), statuses[i]);
        EXPECT_EQ(chosen[i]->action(), RemnantAction::none());
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(chosen[i]->url())));
    }
    EXPECT_EQ(list().proxy()->rowCount(), shown.size());
}

namespace {

// Pixels in the first line of a row, right of its symbols, that are drawn in orange or on an orange tint.
int orangePixelsInFirstLine(RemnantItemsView &view, const QModelIndex &index)
{
    view.scrollTo(index);
    QApplication::processEvents();
    const QImage image = view.viewport()->grab(view.visualRect(index)).toImage();
    const int orangeHue = Theme::color(SystemColor::orange).hsvHue();
    int count = 0;
    for (int y = 0; y < 25 && y < image.height(); ++y) {
        for (int x = 70; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.hsvSaturation() >= 30 && std::abs(pixel.hsvHue() - orangeHue) <= 8)
                ++count;
        }
    }
    return count;
}

} // namespace

TEST_F(WindowFixture, WhatHoldsTheUsersFilesOrMayBelongToAnInstalledAppIsMarkedAndSkippedByTheBulkMove)
{
    scanToEnd();
    const QList<RemnantItemPtr> shown = list().sortedRemnants();
    const auto row = [&](const RemnantItemPtr &item) {
        return list().proxy()->index(int(shown.indexOf(item)), 0);
    };
    const auto named = [&](const char *name, RemnantCategory category) {
        for (const RemnantItemPtr &item : shown) {
            if (item->name() == QLatin1String(name) && item->category() == category)
                return item;
        }
        return RemnantItemPtr();
    };
    QList<RemnantItemPtr> doubtful;
    RemnantItemPtr plainOrphan;
    RemnantItemPtr weak;
    for (const RemnantItemPtr &item : shown) {
        if (item->hasLookalikes())
            doubtful.append(item);
        else if (!plainOrphan && item->status() == RemnantStatus::orphan && !item->isGuarded() &&
                 item->urlBytes().starts_with(m_demo->home().native()))
            plainOrphan = item;
        if (item->isWeakMatch() && !item->evidence().isEmpty())
            weak = item;
    }
    const RemnantItemPtr wallet = named("Bitcoin", RemnantCategory::applicationSupport);
    const RemnantItemPtr active = named("Mirrord", RemnantCategory::applicationSupport);
    const RemnantItemPtr thumbnails = named("Zentrovia", RemnantCategory::caches);
    ASSERT_FALSE(doubtful.isEmpty());
    ASSERT_TRUE(plainOrphan && weak && wallet && active && thumbnails);
    ASSERT_EQ(doubtful.first()->status(), RemnantStatus::orphan);
    EXPECT_TRUE(wallet->holdsUserFiles());
    EXPECT_TRUE(active->wasUsedRecently() && !active->holdsUserFiles());
    EXPECT_FALSE(thumbnails->isGuarded());

    // The row carries an orange "?" after its ORPHAN pill, or an orange shield or clock where it holds the user's
    // files or was used recently; a row of the same kind without either has none.
    RemnantItemsView &view = *list().itemsView();
    EXPECT_GT(orangePixelsInFirstLine(view, row(doubtful.first())), 50);
    EXPECT_GT(orangePixelsInFirstLine(view, row(wallet)), 20);
    EXPECT_GT(orangePixelsInFirstLine(view, row(active)), 20);
    EXPECT_EQ(orangePixelsInFirstLine(view, row(plainOrphan)), 0);

    // The detail pane warns after the long-unused warning, and says when an attribution is a weak match.
    DetailView &detail = *m_window->contentView()->detailView();
    view.setCurrentIndex(row(doubtful.first()));
    InfoBlock *warning = detail.block(QStringLiteral("May belong to an installed app"));
    ASSERT_TRUE(warning);
    EXPECT_EQ(warning->text(), QStringLiteral("Its name also matches %1, which is installed. Check before moving it "
                                              "to the Trash.")
                                   .arg(doubtful.first()->lookalikes().join(QStringLiteral(", "))));
    const QList<InfoBlock *> blocks = detail.findChildren<InfoBlock *>();
    EXPECT_GT(blocks.indexOf(warning), blocks.indexOf(detail.block(QStringLiteral("Not used for a long time"))));
    view.setCurrentIndex(row(plainOrphan));
    EXPECT_FALSE(detail.block(QStringLiteral("May belong to an installed app")));
    EXPECT_FALSE(detail.block(QStringLiteral("Holds your own files")));
    view.setCurrentIndex(row(weak));
    EXPECT_EQ(detail.block(QStringLiteral("Why this app"))->text(),
              QStringLiteral("weak match: ") + EvidenceText::text(weak->evidence()));
    view.setCurrentIndex(row(wallet));
    ASSERT_TRUE(detail.block(QStringLiteral("Holds your own files")));
    EXPECT_TRUE(detail.block(QStringLiteral("Holds your own files"))
                    ->text()
                    .startsWith(QStringLiteral("1 credential, for example:\n  wallets/wallet.dat\n")));
    view.setCurrentIndex(row(active));
    ASSERT_TRUE(detail.block(QStringLiteral("Used recently")));
    EXPECT_TRUE(detail.block(QStringLiteral("Used recently"))
                    ->text()
                    .startsWith(QStringLiteral("Something inside changed 6 days ago. The item itself looks unused")));
    EXPECT_EQ(detail.block(QStringLiteral("Not used for a long time"))->text(),
              QStringLiteral("The item itself has not changed for %1 days.").arg(*active->daysSinceLastUse()));

    // "Skip Them", the default, moves only the items that neither hold the user's files nor have look-alikes; the
    // question names every item it skips.
    const QList<RemnantItemPtr> kept = doubtful + QList<RemnantItemPtr>{wallet, active};
    for (const RemnantItemPtr &item : kept + QList<RemnantItemPtr>{plainOrphan})
        list().toggleSelected(item);
    list().bulkButton()->click();
    BulkActionSheet *sheet = m_window->findChild<BulkActionSheet *>();
    ASSERT_TRUE(sheet);
    AlertText question;
    answerNextDialog(QStringLiteral("Skip Them"), &question);
    QSignalSpy finished(m_scanner.get(), &RemnantScanner::actionFinished);
    sheet->trashButton()->click();
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_EQ(question.message,
              QStringLiteral("%1 of these items hold your own files or may belong to installed apps").arg(kept.size()));
    EXPECT_EQ(question.buttons,
              (QStringList{QStringLiteral("Skip Them"), QStringLiteral("Move All"), QStringLiteral("Cancel")}));
    for (const RemnantItemPtr &item : kept)
        EXPECT_TRUE(question.informativeText.contains(QStringLiteral("• ") + item->name() + u':'))
            << item->name().toStdString();
    EXPECT_EQ(plainOrphan->action(), RemnantAction::trashed());
    EXPECT_FALSE(std::filesystem::exists(plainOrphan->url()));
    for (const RemnantItemPtr &item : kept) {
        EXPECT_EQ(item->action(), RemnantAction::none());
        EXPECT_TRUE(std::filesystem::exists(item->url()));
    }
    // The band below the list says what was moved and names what was left in place.
    const QString summary = m_window->contentView()->actionBanner()->text();
    EXPECT_TRUE(summary.startsWith(
        QStringLiteral("Moved 1 item to the Trash; left %1 that needed a look in place: ").arg(kept.size())))
        << summary.toStdString();
    EXPECT_TRUE(summary.contains(kept.first()->name()));
}

TEST_F(WindowFixture, TheSizeOrderFollowsSizesAsTheyArriveAndKeepsTheChoiceAndTheScrollPosition)
{
    m_window.reset();
    auto platform = std::make_shared<GatedSizesPlatform>(m_demo->root(), m_demo->home());
    grantFullDiskAccess(*platform, m_demo->root());
    m_scanner = std::make_unique<RemnantScanner>(platform, std::make_shared<MacProfile>(platform), m_alerts);
    m_window = std::make_unique<MainWindow>(*m_scanner);
    m_window->resize(1600, 700);
    m_window->show();
    list().setSortOrder(RemnantSortOrder::sizeDescending);
    QSignalSpy finished(m_scanner.get(), &RemnantScanner::scanFinished);
    m_scanner->scan();
    ASSERT_TRUE(finished.wait(60000));

    // While sizes are pending the list is in the order of the entries' own sizes, and the detail pane says so.
    RemnantItemsView &view = *list().itemsView();
    QScrollBar &scroll = *view.verticalScrollBar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return scroll.maximum() > 0; }, 10000));
    const RemnantItemPtr chosen = list().sortedRemnants().at(12);
    view.setCurrentIndex(list().proxy()->index(12, 0));
    scroll.setValue(scroll.maximum() / 2);
    const int position = scroll.value();
    DetailView &detail = *m_window->contentView()->detailView();
    ASSERT_EQ(detail.remnant(), chosen);
    const auto sizeTexts = [&] {
        QStringList texts;
        for (const QLabel *label : detail.findChild<QWidget *>("detailSize")->findChildren<QLabel *>())
            texts.append(label->text());
        return texts;
    };
    // Until a size is known the row, the detail pane and the totals say it is being measured.
    EXPECT_EQ(sizeTexts(), QStringList{"Measuring…"});
    EXPECT_TRUE(detail.findChild<Spinner *>());
    EXPECT_EQ(view.rowDelegate()->sizeText(*chosen), "Measuring…");
    EXPECT_TRUE(m_window->toolbar()->summaryLabel()->text().endsWith(" · Measuring…"));
    EXPECT_EQ(m_window->contentView()->sidebar()->sizeRow()->value(), "Measuring…");
    const QList<RemnantItemPtr> before = list().sortedRemnants();

    // Before the look inside, a bulk move asks about the item first.
    list().toggleSelected(chosen);
    list().bulkButton()->click();
    AlertText question;
    answerNextDialog(QStringLiteral("Cancel"), &question);
    m_window->findChild<BulkActionSheet *>()->trashButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&question] { return !question.message.isEmpty(); }, 10000));
    EXPECT_TRUE(question.informativeText.contains(chosen->name() + QStringLiteral(": has not been looked inside yet")));
    EXPECT_TRUE(std::filesystem::exists(chosen->url()));
    list().toggleSelected(chosen);

    QSignalSpy measured(m_scanner.get(), &RemnantScanner::sizesMeasured);
    platform->open = true;
    ASSERT_TRUE(measured.wait(60000));
    ASSERT_TRUE(QTest::qWaitFor([this] { return viewsShowSizes(); }, 10000));
    EXPECT_NE(list().sortedRemnants(), before);
    EXPECT_EQ(RemnantListModel::item(view.currentIndex()), chosen.get());
    EXPECT_EQ(scroll.value(), position);
    ASSERT_TRUE(chosen->sizeOnDisk());
    EXPECT_EQ(sizeTexts().first(), ByteCountFormatter::fileSize(*chosen->sizeOnDisk()));
    EXPECT_TRUE(sizeTexts().last().endsWith(chosen->itemCount() == 1 ? " file" : " files"));
    EXPECT_FALSE(detail.findChild<Spinner *>());
    EXPECT_EQ(view.rowDelegate()->sizeText(*chosen), ByteCountFormatter::fileSize(*chosen->sizeOnDisk()));
}

TEST_F(WindowFixture, EscapeStopsAScanDownLeavesTheSearchAndTheDetailPaneFollowsTheFilter)
{
    // Escape, the toolbar's Stop and the scanning screen's button stop a scan, which keeps what it found so far.
    QSignalSpy cancelled(m_scanner.get(), &RemnantScanner::scanCancelled);
    m_scanner->scan();
    ASSERT_TRUE(m_scanner->isScanning());
    EXPECT_TRUE(m_window->toolbar()->stopButton()->isVisible());
    EXPECT_TRUE(m_window->stopScanAction()->isEnabled());
    m_window->activateWindow();
    QApplication::setActiveWindow(m_window.get());
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    ASSERT_TRUE(cancelled.count() == 1 || cancelled.wait(5000));
    EXPECT_FALSE(m_scanner->isScanning());
    EXPECT_FALSE(m_window->toolbar()->stopButton()->isVisible());
    EXPECT_FALSE(m_window->stopScanAction()->isEnabled());
    m_scanner->scan();
    m_window->toolbar()->stopButton()->click();
    ASSERT_TRUE(cancelled.count() == 2 || cancelled.wait(5000));

    scanToEnd();
    // Down in the search field takes the keyboard to the list's first row, which the detail pane shows.
    list().searchBar()->field()->setFocus();
    QTest::keyClick(list().searchBar()->field(), Qt::Key_Down);
    EXPECT_TRUE(list().itemsView()->hasFocus());
    const RemnantItemPtr first = list().sortedRemnants().first();
    EXPECT_EQ(m_window->contentView()->detailView()->remnant(), first);

    // A search that hides the item shown empties the pane; one that keeps it leaves it.
    list().searchBar()->setText(first->name());
    QApplication::processEvents();
    EXPECT_TRUE(m_window->contentView()->showsDetail());
    list().searchBar()->setText("NO-SUCH-LEFTOVER-ANYWHERE");
    QApplication::processEvents();
    EXPECT_FALSE(m_window->contentView()->showsDetail());
    list().searchBar()->setText(QString());

    // The owner reads as installed, in green, only when it is.
    for (const RemnantItemPtr &item : list().sortedRemnants()) {
        if (!item->matchedAppName())
            continue;
        list().itemsView()->setCurrentIndex(list().proxy()->index(int(list().sortedRemnants().indexOf(item)), 0));
        const QList<MetaCell *> cells = m_window->contentView()->detailView()->cells();
        const auto owner = std::find_if(cells.begin(), cells.end(),
                                        [](const MetaCell *cell) { return cell->label() == "Associated App"; });
        ASSERT_NE(owner, cells.end());
        const bool installed = item->status() == RemnantStatus::stale && !item->isOwnerUnnamed();
        EXPECT_EQ((*owner)->valueColor() == Theme::color(SystemColor::green), installed) << item->name().toStdString();
        if (item->status() == RemnantStatus::orphan && !item->isOwnerUnnamed()) {
            EXPECT_EQ((*owner)->value(), *item->matchedAppName() + " (not installed)");
        }
    }
}

TEST_F(WindowFixture, SettingsCloseWithAButtonOrEscapeAndHelpShowsTheManual)
{
    SettingsView settings(*m_scanner, m_window.get());
    settings.show();
    ASSERT_TRUE(settings.buttons()->button(QDialogButtonBox::Close));
    settings.buttons()->button(QDialogButtonBox::Close)->click();
    EXPECT_FALSE(settings.isVisible());
    settings.show();
    settings.thresholdField()->setFocus();
    QTest::keyClick(settings.thresholdField(), Qt::Key_Escape);
    EXPECT_FALSE(settings.isVisible());

    QMenu *help = nullptr;
    for (QAction *menu : m_window->menuBar()->actions()) {
        if (menu->text() == "&Help")
            help = menu->menu();
    }
    ASSERT_TRUE(help);
    QStringList entries;
    for (const QAction *entry : help->actions())
        entries.append(entry->text());
    EXPECT_EQ(entries, (QStringList{"Leftscan Manual", "About Leftscan"}));
    m_window->manualAction()->trigger();
    ASSERT_TRUE(m_window->manualView());
    EXPECT_TRUE(m_window->manualView()->isVisible());
    const QString manual = m_window->manualView()->browser()->toPlainText();
    EXPECT_TRUE(manual.contains("leftscan - find what uninstalled applications left behind, in a window"));
    EXPECT_TRUE(manual.contains("leftscan-cli restore [--root DIR]"));
}
