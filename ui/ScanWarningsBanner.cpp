// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ScanWarningsBanner.h"

#include "scanner/RemnantScanner.h"
#include "ui/ScanWarningText.h"
#include "ui/SymbolLabel.h"
#include "ui/ThemedLabel.h"

#include <QHBoxLayout>
#include <QPainter>

ScanWarningsBanner::ScanWarningsBanner(RemnantScanner &scanner, QWidget *parent)
    : QWidget(parent)
    , m_scanner(scanner)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(12, 8, 12, 8);
    row->setSpacing(8);
    row->addWidget(new SymbolLabel(QStringLiteral("exclamationmark.triangle.fill"), 13,
                                   [] { return Theme::color(SystemColor::orange); }),
                   0, Qt::AlignTop);
    m_text = new ThemedLabel(QString(), Theme::TextStyle::caption);
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(m_text, 1);
    setAccessibleName(tr("Scan warnings"));
    connect(&scanner, &RemnantScanner::scanWarningsChanged, this, &ScanWarningsBanner::refresh);
    refresh();
}

QString ScanWarningsBanner::text() const
{
    return m_text->text();
}

void ScanWarningsBanner::refresh()
{
    QStringList lines;
    for (const ScanWarning &warning : m_scanner.scanWarnings())
        lines.append(ScanWarningText::text(warning));
    m_text->setText(lines.join(QLatin1Char('\n')));
    setVisible(!lines.isEmpty());
    QWidget::update();
}

void ScanWarningsBanner::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Theme::withAlpha(Theme::color(SystemColor::orange), 0.12));
    painter.fillRect(QRect(0, height() - 1, width(), 1), Theme::separator());
}
