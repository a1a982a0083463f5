// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ScanToolbar.h"

#include "scanner/Profile.h"
#include "scanner/RemnantScanner.h"
#include "scanner/RemnantSummary.h"
#include "ui/ByteCountFormatter.h"
#include "ui/DisplayText.h"
#include "ui/ProfileText.h"
#include "ui/ProminentButton.h"
#include "ui/RemnantFilterProxy.h"
#include "ui/SymbolLabel.h"
#include "ui/ThemedLabel.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QProgressBar>
#include <QTimer>

namespace {

QProgressBar *makeBar(int width)
{
    auto *bar = new QProgressBar;
    bar->setRange(0, 1000);
    bar->setTextVisible(false);
    bar->setFixedWidth(width);
    bar->setFixedHeight(6);
    return bar;
}

} // namespace

ScanToolbar::ScanToolbar(RemnantScanner &scanner, QWidget *parent)
    : QWidget(parent)
    , m_scanner(scanner)
{
    setFixedHeight(52);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(12, 8, 12, 8);
    row->setSpacing(10);
    m_scan = new ProminentButton(tr("Start Scan"), QStringLiteral("arrow.clockwise"), ProminentButton::Style::bordered);
    m_scan->setToolTip(ProfileText::scanToolTip(scanner.profile().name()));
    m_scan->setMinimumWidth(130);
    row->addWidget(m_scan);
    connect(m_scan, &QAbstractButton::clicked, this, &ScanToolbar::startScanRequested);

    auto *title = new QHBoxLayout;
    title->setSpacing(6);
    title->addWidget(new SymbolLabel(QStringLiteral("remnant.shell"), 14, Theme::tertiaryLabel));
    title->addWidget(new ThemedLabel(tr("Leftscan"), Theme::TextStyle::headline));
    title->addSpacing(8);
    row->addLayout(title);

    m_progress = makeBar(180);
    m_progress->setAccessibleName(tr("Scan progress"));
    row->addWidget(m_progress);
    m_stop = new ProminentButton(tr("Stop"), QStringLiteral("stop.fill"), ProminentButton::Style::bordered);
    m_stop->setToolTip(tr("Stop the scan (Esc)"));
    row->addWidget(m_stop);
    connect(m_stop, &QAbstractButton::clicked, this, &ScanToolbar::stopScanRequested);
    row->addSpacing(8);

    row->addStretch(1);
    m_action = new ThemedLabel(QString(), Theme::TextStyle::callout, Theme::secondaryLabel);
    m_actionProgress = makeBar(120);
    m_actionProgress->setAccessibleName(tr("Action progress"));
    row->addWidget(m_action);
    row->addWidget(m_actionProgress);
    m_action->hide();
    m_actionProgress->hide();

    m_summary = new ThemedLabel(QString(), Theme::TextStyle::callout, Theme::secondaryLabel);
    m_summary->setContentsMargins(10, 0, 10, 0);
    row->addWidget(m_summary);

    for (auto signal : {&RemnantScanner::isScanningChanged, &RemnantScanner::isScanningAppsChanged})
        connect(&scanner, signal, this, &ScanToolbar::updateScanState);
    connect(&scanner, &RemnantScanner::isScanningChanged, this, &ScanToolbar::updateSummary);
    connect(&scanner, &RemnantScanner::scanProgressChanged, this,
            [this](double value) { m_progress->setValue(int(value * 1000)); });
    connect(&scanner, &RemnantScanner::remnantsChanged, this, &ScanToolbar::scheduleSummary);
    connect(&scanner, &RemnantScanner::remnantSizesChanged, this, &ScanToolbar::scheduleSummary);
    connect(&scanner, &RemnantScanner::isMeasuringSizesChanged, this, &ScanToolbar::scheduleSummary);
    for (auto signal : {&RemnantScanner::searchTextChanged})
        connect(&scanner, signal, this, &ScanToolbar::scheduleSummary);
    for (auto signal : {&RemnantScanner::filterOrphansOnlyChanged, &RemnantScanner::filterStaleOnlyChanged,
                        &RemnantScanner::hideInstalledAppsChanged})
        connect(&scanner, signal, this, &ScanToolbar::scheduleSummary);
    connect(&scanner, &RemnantScanner::selectedCategoryChanged, this, &ScanToolbar::scheduleSummary);
    connect(&scanner, &RemnantScanner::staleThresholdDaysChanged, this, &ScanToolbar::scheduleSummary);

    connect(&scanner, &RemnantScanner::actionProgress, this, [this](int done, int total) {
        m_action->setText(tr("Working… %1 of %2").arg(done).arg(total));
        m_actionProgress->setValue(total > 0 ? done * 1000 / total : 0);
    });
    connect(&scanner, &RemnantScanner::isActingChanged, this, [this](bool acting) {
        m_action->setText(tr("Working…"));
        m_actionProgress->setValue(0);
        m_action->setVisible(acting);
        m_actionProgress->setVisible(acting);
    });
    updateScanState();
    updateSummary();
}

void ScanToolbar::setShownRows(const RemnantFilterProxy *rows)
{
    m_shownRows = rows;
    scheduleSummary();
}

QLabel *ScanToolbar::summaryLabel() const
{
    return m_summary;
}

void ScanToolbar::updateScanState()
{
    m_scan->setText(m_scanner.isScanning() ? tr("Scanning...") : tr("Start Scan"));
    m_scan->setAccessibleName(m_scan->text());
    m_progress->setVisible(m_scanner.isScanning() || m_scanner.isScanningApps());
    m_stop->setVisible(m_scanner.isScanning());
    m_progress->setValue(int(m_scanner.scanProgress() * 1000));
}

void ScanToolbar::scheduleSummary()
{
    if (m_summaryPending)
        return;
    m_summaryPending = true;
    // While a scan streams in, the figures follow a few times a second rather than with every batch.
    QTimer::singleShot(m_scanner.isScanning() || m_scanner.isMeasuringSizes() ? 100 : 0, this,
                       &ScanToolbar::updateSummary);
}

void ScanToolbar::updateSummary()
{
    m_summaryPending = false;
    if (m_scanner.remnants().isEmpty()) {
        m_summary->clear();
        m_summary->hide();
        return;
    }
    const RemnantSummary shown =
        m_shownRows ? m_shownRows->shownSummary() : RemnantSummary::of(m_scanner.remnants(), RemnantFilter(m_scanner));
    m_summary->setText(tr("%Ln item(s)", nullptr, shown.count) + QStringLiteral(" · ") +
                       DisplayText::totalSize(shown, m_scanner.isScanning() || m_scanner.isMeasuringSizes()));
    m_summary->show();
}

void ScanToolbar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Theme::windowBackground());
    painter.fillRect(QRect(0, height() - 1, width(), 1), Theme::separator());
}
