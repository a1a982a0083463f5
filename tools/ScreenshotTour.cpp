// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the window on the demonstration Mac, screen by screen, and its results on the demonstration Linux
// desktop into PNG files:
//   leftscan-screenshots OUTDIR [LANGUAGE]
// in the language of the environment, in LANGUAGE ("de") when it is given, or in the pseudo-language of
// PseudoTranslator when LANGUAGE is "pseudo".
// Runs with any Qt platform, the offscreen one included.
#include "demo/DemoHome.h"
#include "demo/LinuxDemoHome.h"
#include "linuxdesktop/LinuxProfile.h"
#include "mac/MacProfile.h"
#include "platform/PosixPlatform.h"
#include "platform/ProgramTranslations.h"
#include "scanner/RemnantScanner.h"
#include "ui/BulkActionSheet.h"
#include "ui/ContentView.h"
#include "ui/MainWindow.h"
#include "ui/PseudoTranslator.h"
#include "ui/RemnantActions.h"
#include "ui/RemnantFilterProxy.h"
#include "ui/RemnantItemsView.h"
#include "ui/RemnantListView.h"
#include "ui/SettingsView.h"
#include "ui/TagActionView.h"
#include "ui/Theme.h"
#include "ui/WindowAlertPresenter.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QMessageBox>
#include <QPainter>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>

namespace {

void settle(int milliseconds = 150)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// The scan, and the sizes on disk measured after it.
void scanToEnd(RemnantScanner &scanner)
{
    QEventLoop loop;
    QObject::connect(&scanner, &RemnantScanner::scanFinished, &loop, [&] {
        if (!scanner.isMeasuringSizes())
            loop.quit();
    });
    QObject::connect(&scanner, &RemnantScanner::sizesMeasured, &loop, &QEventLoop::quit);
    scanner.scan();
    loop.exec();
}

// The first long-unused orphan of a known application, else the first row.
int chosenRow(const QList<RemnantItemPtr> &shown)
{
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown[i]->status() == RemnantStatus::orphan && shown[i]->isLongUnused() && shown[i]->matchedAppName())
            return int(i);
    }
    return 0;
}

bool save(const QPixmap &picture, const QString &folder, const QString &name)
{
    const QString path = QDir(folder).filePath(name);
    if (!picture.save(path)) {
        std::fprintf(stderr, "leftscan-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s (%dx%d)\n", qPrintable(path), picture.width(), picture.height());
    return true;
}

// The window with a dialog drawn over it: centred under the toolbar like a sheet, or at `position` (window
// coordinates) like a popover.
QPixmap withDialog(QWidget &window, QWidget &dialog, std::optional<QPoint> position = std::nullopt)
{
    QPixmap picture = window.grab();
    dialog.adjustSize();
    const QPixmap overlay = dialog.grab();
    QPainter painter(&picture);
    QPoint at = position.value_or(QPoint((window.width() - overlay.width()) / 2, 70));
    if (!position)
        painter.fillRect(picture.rect(), QColor(0, 0, 0, Theme::isDark() ? 90 : 40));
    painter.setPen(QPen(Theme::separator(), 1));
    painter.drawRect(QRect(at - QPoint(1, 1), overlay.size() + QSize(1, 1)));
    painter.drawPixmap(at, overlay);
    return picture;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: leftscan-screenshots OUTDIR [LANGUAGE]\n");
        return 2;
    }
    const QByteArray language = argc == 3 ? QByteArray(argv[2]) : QByteArray();
    if (!language.isEmpty() && language != "pseudo")
        qputenv("LANGUAGE", language);
    QApplication application(argc, argv);
    PseudoTranslator pseudo;
    if (language == "pseudo")
        QCoreApplication::installTranslator(&pseudo);
    else
        ProgramTranslations::install();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    Theme::setDark(application, false);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    DemoHome demo;
    WindowAlertPresenter alerts;
    const auto platform = std::make_shared<PosixPlatform>(demo.root(), demo.home());
    RemnantScanner scanner(platform, std::make_shared<MacProfile>(platform), alerts);
    MainWindow window(scanner);
    alerts.setParentWindow(&window);
    window.resize(1600, 900);
    window.show();
    settle();
    bool ok = save(window.grab(), folder, QStringLiteral("welcome.png"));

    // A scan in progress: caught once it is a third of the way through the Library folders.
    QPixmap scanning;
    QObject::connect(&scanner, &RemnantScanner::scanProgressChanged, &window, [&](double progress) {
        if (scanning.isNull() && progress >= 0.3)
            scanning = window.grab();
    });
    scanToEnd(scanner);
    ok = !scanning.isNull() && save(scanning, folder, QStringLiteral("scanning.png")) && ok;
    settle();

    // The results with a long-unused orphan chosen.
    RemnantListView &list = *window.contentView()->listView();
    const QList<RemnantItemPtr> shown = list.sortedRemnants();
    const int chosen = chosenRow(shown);
    RemnantItemsView &items = *list.itemsView();
    items.setCurrentIndex(list.proxy()->index(chosen, 0));
    items.setFocus();
    settle();
    ok = save(window.grab(), folder, QStringLiteral("results.png")) && ok;

    // An orphan whose name also matches an installed app: the row's badge and the pane's warning.
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (!shown[i]->hasLookalikes())
            continue;
        items.setCurrentIndex(list.proxy()->index(int(i), 0));
        settle();
        ok = save(window.grab(), folder, QStringLiteral("lookalike.png")) && ok;
        items.setCurrentIndex(list.proxy()->index(chosen, 0));
        settle();
        break;
    }

    // A removed wallet's folder that holds the wallet, and one whose helper still writes into it.
    for (const auto &[wanted, name] : {std::pair{&RemnantItem::holdsUserFiles, QStringLiteral("user-files.png")},
                                       std::pair{&RemnantItem::wasUsedRecently, QStringLiteral("used-recently.png")}}) {
        for (qsizetype i = 0; i < shown.size(); ++i) {
            if (shown[i]->status() != RemnantStatus::orphan || !(*shown[i].*wanted)())
                continue;
            items.setCurrentIndex(list.proxy()->index(int(i), 0));
            settle();
            ok = save(window.grab(), folder, name) && ok;
            break;
        }
    }
    items.setCurrentIndex(list.proxy()->index(chosen, 0));
    settle();

    // The same list by size, with the largest folder chosen.
    list.setSortOrder(RemnantSortOrder::sizeDescending);
    items.setCurrentIndex(list.proxy()->index(0, 0));
    settle();
    ok = save(window.grab(), folder, QStringLiteral("results-by-size.png")) && ok;
    list.setSortOrder(RemnantSortOrder::riskDescending);
    items.setCurrentIndex(list.proxy()->index(chosen, 0));
    settle();

    const RemnantItemPtr item = shown.value(chosen);
    TagActionView tagChooser(*item, scanner.profile(), TagActionView::Presentation::sheet, &window);
    const QRect row = items.visualRect(items.currentIndex());
    const QRect anchor = items.rowDelegate()->buttonRect(row, RemnantRowDelegate::RowButton::tag);
    const QPoint below = items.viewport()->mapTo(&window, anchor.bottomLeft()) + QPoint(-150, 6);
    ok = save(withDialog(window, tagChooser, below), folder, QStringLiteral("tag-chooser.png")) && ok;

    for (int i = 0; i < 6 && i < shown.size(); ++i)
        list.toggleSelected(shown[i]);
    // And two orphans that hold the user's files or changed recently, for the question the move asks.
    int guarded = 0;
    for (const RemnantItemPtr &candidate : shown) {
        if (guarded < 2 && candidate->status() == RemnantStatus::orphan && candidate->isGuarded() &&
            !list.selectedItems().contains(candidate->id())) {
            list.toggleSelected(candidate);
            ++guarded;
        }
    }
    settle();
    QList<RemnantItemPtr> selected;
    for (const RemnantItemPtr &candidate : scanner.filteredRemnants()) {
        if (list.selectedItems().contains(candidate->id()))
            selected.append(candidate);
    }
    BulkActionSheet sheet(int(selected.size()), selected, &window);
    ok = save(withDialog(window, sheet), folder, QStringLiteral("bulk-sheet.png")) && ok;
    // Its move asks first about what holds the user's files or may belong to an installed app.
    if (const auto question = RemnantActions::bulkQuestion(selected)) {
        QList<QPushButton *> buttons;
        const std::unique_ptr<QMessageBox> box = WindowAlertPresenter::messageBox(question->alert, &window, buttons);
        ok = save(withDialog(window, *box), folder, QStringLiteral("bulk-question.png")) && ok;
    }
    list.clearSelectedItems();

    SettingsView settings(scanner, &window);
    ok = save(withDialog(window, settings), folder, QStringLiteral("settings.png")) && ok;

    Theme::setDark(application, true);
    settle();
    ok = save(window.grab(), folder, QStringLiteral("results-dark.png")) && ok;
    Theme::setDark(application, false);
    window.hide();

    // The Linux desktop's results, with the same kind of orphan chosen.
    LinuxDemoHome linuxDemo;
    const auto linuxPlatform = std::make_shared<PosixPlatform>(linuxDemo.root(), linuxDemo.home());
    RemnantScanner linuxScanner(linuxPlatform, std::make_shared<LinuxProfile>(linuxPlatform), alerts);
    MainWindow linuxWindow(linuxScanner);
    alerts.setParentWindow(&linuxWindow);
    linuxWindow.resize(1600, 900);
    linuxWindow.show();
    scanToEnd(linuxScanner);
    settle();
    RemnantListView &linuxList = *linuxWindow.contentView()->listView();
    linuxList.itemsView()->setCurrentIndex(linuxList.proxy()->index(chosenRow(linuxList.sortedRemnants()), 0));
    linuxList.itemsView()->setFocus();
    settle();
    ok = save(linuxWindow.grab(), folder, QStringLiteral("linux-results.png")) && ok;
    return ok ? 0 : 1;
}
