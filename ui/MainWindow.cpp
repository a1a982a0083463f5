// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/MainWindow.h"

#include "scanner/RemnantScanner.h"
#include "ui/ContentView.h"
#include "ui/DetailView.h"
#include "ui/ManualView.h"
#include "ui/RemnantActions.h"
#include "ui/RemnantFilterProxy.h"
#include "ui/RemnantListView.h"
#include "ui/ScanToolbar.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

MainWindow::MainWindow(RemnantScanner &scanner, QWidget *parent)
    : QMainWindow(parent)
    , m_scanner(scanner)
    , m_actions(new RemnantActions(scanner, *this))
    , m_toolbar(new ScanToolbar(scanner))
    , m_content(new ContentView(scanner, *m_actions))
{
    setWindowTitle(QString());
    setMinimumSize(MinimumWidth, MinimumHeight);
    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolbar);
    layout->addWidget(m_content, 1);
    setCentralWidget(central);
    buildMenus();

    connect(m_toolbar, &ScanToolbar::startScanRequested, this, &MainWindow::startScan);
    connect(m_content, &ContentView::startScanRequested, this, &MainWindow::startScan);
    connect(m_toolbar, &ScanToolbar::stopScanRequested, this, &MainWindow::stopScan);
    connect(m_content->listView(), &RemnantListView::stopScanRequested, this, &MainWindow::stopScan);
    m_toolbar->setShownRows(m_content->listView()->proxy());
    setTabOrder(m_content->listView(), m_content->detailView());
}

void MainWindow::buildMenus()
{
    QMenu *application = menuBar()->addMenu(tr("&Leftscan"));
    m_startScan = application->addAction(tr("Start Scan"), this, &MainWindow::startScan);
    m_startScan->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    m_startScan->setShortcutContext(Qt::ApplicationShortcut);
    // Escape stops a scan only while one runs; otherwise it is the list's, which clears the selection with it.
    m_stopScan = application->addAction(tr("Stop Scan"), this, &MainWindow::stopScan);
    m_stopScan->setShortcut(QKeySequence(Qt::Key_Escape));
    m_stopScan->setShortcutContext(Qt::WindowShortcut);
    m_stopScan->setEnabled(false);
    connect(&m_scanner, &RemnantScanner::isScanningChanged, m_stopScan, &QAction::setEnabled);
    application->addSeparator();
    QAction *settings = application->addAction(tr("Settings..."), this, &MainWindow::settingsRequested);
    settings->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    settings->setMenuRole(QAction::PreferencesRole);
    application->addSeparator();
    QAction *quit = application->addAction(tr("Quit Leftscan"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    m_undo = edit->addAction(tr("Undo Move to Trash"), m_actions, &RemnantActions::undoTrash);
    m_undo->setShortcut(QKeySequence::Undo);
    const auto updateUndo = [this] {
        m_undo->setEnabled(m_scanner.canUndoTrash() && !m_scanner.isActing());
    };
    connect(&m_scanner, &RemnantScanner::canUndoTrashChanged, m_undo, updateUndo);
    connect(&m_scanner, &RemnantScanner::isActingChanged, m_undo, updateUndo);
    updateUndo();
    edit->addSeparator();
    m_selectAll = edit->addAction(tr("Select All Shown"), this, [this] { m_content->listView()->selectAllShown(); });
    m_selectAll->setShortcut(QKeySequence::SelectAll);
    QAction *clear =
        edit->addAction(tr("Clear Selection"), this, [this] { m_content->listView()->clearSelectedItems(); });
    clear->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    m_manual = help->addAction(tr("Leftscan Manual"), this, &MainWindow::showManual);
    m_manual->setShortcut(QKeySequence::HelpContents);
    // On a Mac the system moves About into the application menu.
    QAction *about = help->addAction(tr("About Leftscan"), this, &MainWindow::aboutRequested);
    about->setMenuRole(QAction::AboutRole);
}

void MainWindow::showManual()
{
    if (!m_manualView)
        m_manualView = new ManualView(this);
    m_manualView->show();
    m_manualView->raise();
    m_manualView->activateWindow();
}

void MainWindow::startScan()
{
    // The scanner itself ignores a second start while a scan runs.
    QTimer::singleShot(0, &m_scanner, &RemnantScanner::scan);
}

void MainWindow::stopScan()
{
    if (m_scanner.isScanning())
        m_scanner.cancelScan();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_probedAutomation)
        return;
    m_probedAutomation = true;
    QTimer::singleShot(0, &m_scanner, &RemnantScanner::checkAutomationAccess);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_scanner.cancelScan();
    event->accept();
}
