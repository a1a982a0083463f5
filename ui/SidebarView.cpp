// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SidebarView.h"

#include "scanner/RemnantScanner.h"
#include "scanner/RemnantSummary.h"
#include "ui/Appearance.h"
#include "ui/ByteCountFormatter.h"
#include "ui/DisplayText.h"
#include "ui/SummaryRow.h"
#include "ui/ThemedLabel.h"

#include <QPainter>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

namespace {

ThemedLabel *sectionTitle(const QString &text)
{
    auto *title = new ThemedLabel(text, Theme::TextStyle::caption, Theme::tertiaryLabel);
    QFont font = title->font();
    font.setWeight(QFont::Bold);
    title->setFont(font);
    title->setContentsMargins(10, 0, 0, 2);
    return title;
}

} // namespace

SidebarView::SidebarView(RemnantScanner &scanner, QWidget *parent)
    : QWidget(parent)
    , m_scanner(scanner)
{
    setAccessibleName(tr("Summary"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 14, 10, 14);
    layout->setSpacing(2);

    auto systemColor = [](SystemColor color) {
        return [color] {
            return Theme::color(color);
        };
    };
    layout->addWidget(sectionTitle(tr("Summary")));
    m_orphans = new SummaryRow(QStringLiteral("exclamationmark.triangle.fill"), systemColor(SystemColor::red),
                               tr("Orphans"), SummaryRow::SummaryLabelWidth);
    m_total = new SummaryRow(QStringLiteral("folder.fill"), systemColor(SystemColor::blue), tr("Total"),
                             SummaryRow::SummaryLabelWidth);
    m_size = new SummaryRow(QStringLiteral("internaldrive.fill"), systemColor(SystemColor::green), tr("Size"),
                            SummaryRow::SummaryLabelWidth);
    for (SummaryRow *row : {m_orphans, m_total, m_size})
        layout->addWidget(row);

    layout->addSpacing(14);
    layout->addWidget(sectionTitle(tr("Categories")));
    m_allCategories = new SummaryRow(QStringLiteral("tray.2.fill"), Theme::label, tr("All Categories"));
    m_allCategories->setClickable(true);
    layout->addWidget(m_allCategories);
    connect(m_allCategories, &QAbstractButton::clicked, &scanner,
            [this] { m_scanner.setSelectedCategory(std::nullopt); });
    for (const RemnantCategory category : m_scanner.categories()) {
        auto *row = new SummaryRow(Appearance::symbol(category), systemColor(Appearance::color(category)),
                                   DisplayText::of(category));
        row->setClickable(true);
        m_categories[std::size_t(category)] = row;
        layout->addWidget(row);
        connect(row, &QAbstractButton::clicked, &scanner,
                [this, category] { m_scanner.setSelectedCategory(category); });
    }

    layout->addSpacing(14);
    layout->addWidget(sectionTitle(tr("By Risk")));
    for (const RemnantRisk risk : {RemnantRisk::review, RemnantRisk::caution, RemnantRisk::safe}) {
        auto *row =
            new SummaryRow(Appearance::symbol(risk), systemColor(Appearance::color(risk)), DisplayText::of(risk));
        m_risks[std::size_t(risk)] = row;
        layout->addWidget(row);
    }
    layout->addStretch(1);

    connect(&scanner, &RemnantScanner::remnantsChanged, this, &SidebarView::scheduleRefresh);
    connect(&scanner, &RemnantScanner::remnantSizesChanged, this, &SidebarView::scheduleRefresh);
    connect(&scanner, &RemnantScanner::isMeasuringSizesChanged, this, &SidebarView::scheduleRefresh);
    connect(&scanner, &RemnantScanner::isScanningChanged, this, &SidebarView::refresh);
    connect(&scanner, &RemnantScanner::totalScannedItemsChanged, this, &SidebarView::scheduleRefresh);
    connect(&scanner, &RemnantScanner::selectedCategoryChanged, this, &SidebarView::updateChoice);
    refresh();
    updateChoice();
}

void SidebarView::scheduleRefresh()
{
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    // While a scan streams in, the figures follow a few times a second rather than with every batch.
    QTimer::singleShot(m_scanner.isScanning() || m_scanner.isMeasuringSizes() ? 100 : 0, this, &SidebarView::refresh);
}

void SidebarView::refresh()
{
    m_refreshPending = false;
    const RemnantSummary summary = RemnantSummary::of(m_scanner.remnants());
    const int total = m_scanner.isScanning() ? m_scanner.totalScannedItems() : summary.count;
    m_orphans->setValue(QString::number(summary.orphanCount));
    m_orphans->setDimmed(summary.orphanCount == 0);
    m_total->setValue(QString::number(total));
    m_total->setDimmed(total == 0);
    m_size->setValue(DisplayText::totalSize(summary, m_scanner.isScanning() || m_scanner.isMeasuringSizes()));
    m_size->setDimmed(summary.totalSize == 0);
    m_allCategories->setValue(total > 0 ? QString::number(total) : QString());
    for (const RemnantCategory category : m_scanner.categories())
        categoryRow(category)->setValue(QString::number(summary.countOf(category)));
    for (const RemnantRisk risk : allCases<RemnantRisk>())
        riskRow(risk)->setValue(QString::number(summary.countOf(risk)));

    // The sidebar grows to its widest row and keeps that width.
    int widest = 0;
    for (const SummaryRow *row : findChildren<SummaryRow *>())
        widest = std::max(widest, row->sizeHint().width());
    const QMargins margins = layout()->contentsMargins();
    const int wanted = widest + margins.left() + margins.right();
    if (wanted > m_measuredWidth) {
        m_measuredWidth = wanted;
        setMinimumWidth(m_measuredWidth);
    }
}

void SidebarView::updateChoice()
{
    const std::optional<RemnantCategory> chosen = m_scanner.selectedCategory();
    m_allCategories->setChosen(!chosen);
    for (const RemnantCategory category : m_scanner.categories())
        categoryRow(category)->setChosen(chosen == category);
}

void SidebarView::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), Theme::sidebarBackground());
}
