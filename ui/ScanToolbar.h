// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class RemnantFilterProxy;
class RemnantScanner;
class ProminentButton;
class ThemedLabel;

// The window's toolbar: the scan button, the app's name, the scan's progress, the progress of an action on many
// items, and the count and size of the leftovers shown.
class ScanToolbar : public QWidget {
    Q_OBJECT

public:
    explicit ScanToolbar(RemnantScanner &scanner, QWidget *parent = nullptr);

    ProminentButton *scanButton() const { return m_scan; }
    // Shown while a scan runs.
    ProminentButton *stopButton() const { return m_stop; }
    QProgressBar *progressBar() const { return m_progress; }
    QLabel *summaryLabel() const;
    // The list whose shown rows the summary counts; without one, the scanner's filter decides.
    void setShownRows(const RemnantFilterProxy *rows);

signals:
    void startScanRequested();
    void stopScanRequested();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void scheduleSummary();
    void updateSummary();
    void updateScanState();

    RemnantScanner &m_scanner;
    ProminentButton *m_scan;
    ProminentButton *m_stop;
    QProgressBar *m_progress;
    ThemedLabel *m_summary;
    ThemedLabel *m_action;
    QProgressBar *m_actionProgress;
    bool m_summaryPending = false;
    const RemnantFilterProxy *m_shownRows = nullptr;
};
