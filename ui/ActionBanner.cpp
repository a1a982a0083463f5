// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ActionBanner.h"

#include "scanner/RemnantScanner.h"
#include "ui/ActionReportText.h"
#include "ui/ProminentButton.h"
#include "ui/SymbolLabel.h"
#include "ui/ThemedLabel.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

ActionBanner::ActionBanner(RemnantScanner &scanner, QWidget *parent)
    : QWidget(parent)
    , m_scanner(scanner)
    , m_text(new ThemedLabel(QString(), Theme::TextStyle::callout))
    , m_undo(new ProminentButton(tr("Undo"), QStringLiteral("arrow.uturn.backward"), ProminentButton::Style::bordered))
    , m_timer(new QTimer(this))
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(12, 6, 8, 6);
    row->setSpacing(8);
    row->addWidget(
        new SymbolLabel(QStringLiteral("checkmark.circle.fill"), 14, [] { return Theme::color(SystemColor::green); }));
    m_text->setWordWrap(true);
    row->addWidget(m_text, 1);
    row->addWidget(m_undo);
    auto *close = new QToolButton;
    close->setText(QStringLiteral("✕"));
    close->setAutoRaise(true);
    close->setToolTip(tr("Close"));
    row->addWidget(close);
    setAccessibleName(tr("Last action"));
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &QWidget::hide);
    connect(close, &QToolButton::clicked, this, &QWidget::hide);
    connect(m_undo, &QAbstractButton::clicked, this, [this] {
        hide();
        emit undoRequested();
    });
    connect(&scanner, &RemnantScanner::isActingChanged, this, [this](bool acting) {
        if (acting)
            hide();
    });
    connect(&scanner, &RemnantScanner::canUndoTrashChanged, this, [this](bool canUndo) {
        if (!canUndo)
            m_undo->hide();
    });
    hide();
}

void ActionBanner::showReport(const RemnantActionReport &report, const QStringList &skipped)
{
    m_text->setText(ActionReportText::summary(report, skipped));
    m_undo->setVisible(report.kind == RemnantActionReport::Kind::trash && report.succeeded > 0 &&
                       m_scanner.canUndoTrash());
    show();
    m_timer->start(ShownMilliseconds);
}

QString ActionBanner::text() const
{
    return m_text->text();
}

void ActionBanner::enterEvent(QEnterEvent *)
{
    // It stays while the pointer is on it.
    m_timer->stop();
}

void ActionBanner::leaveEvent(QEvent *)
{
    if (isVisible())
        m_timer->start(ShownMilliseconds);
}

void ActionBanner::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Theme::withAlpha(Theme::color(SystemColor::green), 0.10));
    painter.fillRect(QRect(0, 0, width(), 1), Theme::separator());
}
