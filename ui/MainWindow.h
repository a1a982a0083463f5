// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>

class ContentView;
class ManualView;
class QAction;
class RemnantActions;
class RemnantScanner;
class ScanToolbar;

// The main window: toolbar, the three columns and the menu commands.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int MinimumWidth = 1500;
    static constexpr int MinimumHeight = 700;

    explicit MainWindow(RemnantScanner &scanner, QWidget *parent = nullptr);

    ContentView *contentView() const { return m_content; }
    ScanToolbar *toolbar() const { return m_toolbar; }
    RemnantActions *actions() const { return m_actions; }
    QAction *startScanAction() const { return m_startScan; }
    QAction *stopScanAction() const { return m_stopScan; }
    QAction *selectAllAction() const { return m_selectAll; }
    QAction *undoAction() const { return m_undo; }
    QAction *manualAction() const { return m_manual; }
    ManualView *manualView() const { return m_manualView; }

signals:
    void settingsRequested();
    void aboutRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void startScan();
    void stopScan();
    void showManual();

    RemnantScanner &m_scanner;
    RemnantActions *m_actions;
    ScanToolbar *m_toolbar;
    ContentView *m_content;
    QAction *m_startScan = nullptr;
    QAction *m_stopScan = nullptr;
    QAction *m_selectAll = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_manual = nullptr;
    ManualView *m_manualView = nullptr;
    bool m_probedAutomation = false;
};
