// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/WelcomeView.h"

#include "ui/PlaceholderStack.h"
#include "ui/ProminentButton.h"
#include "ui/SymbolLabel.h"
#include "ui/ThemedLabel.h"

#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>

WelcomeView::WelcomeView(QWidget *parent)
    : QWidget(parent)
{
    auto *stack = new PlaceholderStack(this, 14);
    auto *symbol = new SymbolLabel(QStringLiteral("remnant.shell"), 64, Theme::tertiaryLabel);
    // A slow, continuous pulse of the symbol.
    auto *opacity = new QGraphicsOpacityEffect(symbol);
    symbol->setGraphicsEffect(opacity);
    auto *pulse = new QPropertyAnimation(opacity, "opacity", symbol);
    pulse->setDuration(2400);
    pulse->setKeyValueAt(0, 1.0);
    pulse->setKeyValueAt(0.5, 0.45);
    pulse->setKeyValueAt(1, 1.0);
    pulse->setEasingCurve(QEasingCurve::InOutSine);
    pulse->setLoopCount(-1);
    pulse->start();
    stack->addCentered(symbol);
    stack->addCentered(new ThemedLabel(tr("Welcome to Leftscan"), Theme::TextStyle::title2));
    m_message = new ThemedLabel(QString(), Theme::TextStyle::body, Theme::secondaryLabel);
    stack->addCentered(m_message);
    stack->addSpacing(6);
    m_start = new ProminentButton(tr("Start Scan"), QStringLiteral("magnifyingglass"));
    m_start->setFont(Theme::font(Theme::TextStyle::headline));
    stack->addCentered(m_start);
    m_alternative = new ProminentButton(QString(), QString(), ProminentButton::Style::bordered);
    m_alternative->hide();
    stack->addCentered(m_alternative);
    stack->finish();
    connect(m_start, &QPushButton::clicked, this, &WelcomeView::startScanRequested);
    connect(m_alternative, &QPushButton::clicked, this, &WelcomeView::alternativeRequested);
}

void WelcomeView::setMessage(const QString &message)
{
    m_message->setText(message);
}

void WelcomeView::setAlternative(const QString &label)
{
    m_alternative->setText(label);
    m_alternative->setVisible(!label.isEmpty());
}
