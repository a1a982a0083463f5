// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SearchBar.h"

#include "ui/SymbolImages.h"
#include "ui/Theme.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>

SearchBar::SearchBar(QWidget *parent)
    : QWidget(parent)
    , m_field(new QLineEdit(this))
    , m_clear(new QToolButton(this))
    , m_glass(new QLabel(this))
{
    setMaximumWidth(240);
    setMinimumWidth(180);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 6, 6, 6);
    layout->setSpacing(6);
    m_field->setPlaceholderText(tr("Search..."));
    m_field->setFrame(false);
    m_field->setClearButtonEnabled(false);
    m_field->setAccessibleName(tr("Search"));
    m_field->setAttribute(Qt::WA_MacShowFocusRect, false);
    m_clear->setAutoRaise(true);
    m_clear->setCursor(Qt::ArrowCursor);
    m_clear->setFocusPolicy(Qt::NoFocus);
    m_clear->setToolTip(tr("Clear search"));
    m_clear->setAccessibleName(tr("Clear search"));
    m_clear->setVisible(false);
    layout->addWidget(m_glass);
    layout->addWidget(m_field, 1);
    layout->addWidget(m_clear);
    setFocusProxy(m_field);
    m_field->installEventFilter(this);
    restyle();

    connect(m_field, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_clear->setVisible(!text.isEmpty());
        emit textChanged(text);
    });
    connect(qApp, &QApplication::focusChanged, this, qOverload<>(&QWidget::update));
    connect(m_clear, &QToolButton::clicked, this, [this] { m_field->clear(); });
}

QString SearchBar::text() const
{
    return m_field->text();
}

void SearchBar::setText(const QString &text)
{
    if (m_field->text() != text)
        m_field->setText(text);
}

void SearchBar::restyle()
{
    m_glass->setPixmap(
        SymbolImages::pixmap(QStringLiteral("magnifyingglass"), Theme::secondaryLabel(), 13, devicePixelRatioF()));
    m_clear->setIcon(SymbolImages::icon(QStringLiteral("xmark.circle.fill"), Theme::secondaryLabel(), 13));
    m_field->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; border: none; }"));
}

bool SearchBar::event(QEvent *event)
{
    // The theme announces a new appearance to every widget; colours of our own are taken from it again.
    if (event->type() == QEvent::ApplicationPaletteChange)
        restyle();
    return QWidget::event(event);
}

bool SearchBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Down && key->modifiers() == Qt::NoModifier) {
            emit downRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SearchBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(m_field->hasFocus() ? QPen(Theme::withAlpha(Theme::accent(), 0.7), 1.5) : Qt::NoPen);
    painter.setBrush(Theme::quaternaryFill());
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 7, 7);
}
