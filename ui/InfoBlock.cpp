// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/InfoBlock.h"

#include "ui/ThemedLabel.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

InfoBlock::InfoBlock(const QString &icon, const QString &title, const QString &text, Look look, QWidget *parent)
    : QWidget(parent)
    , m_title(title)
    , m_look(look)
{
    const bool warning = look == Look::warning;
    auto orange = [] {
        return Theme::color(SystemColor::orange);
    };
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(warning ? 10 : 0, warning ? 10 : 0, warning ? 10 : 0, warning ? 10 : 0);
    layout->setSpacing(6);
    auto *heading = new QHBoxLayout;
    heading->setSpacing(5);
    heading->addWidget(
        new SymbolLabel(icon, warning ? 13 : 11,
                        warning ? SymbolLabel::ColorSource(orange) : SymbolLabel::ColorSource(Theme::secondaryLabel)));
    auto *caption = new ThemedLabel(title, Theme::TextStyle::caption, warning ? Theme::label : Theme::secondaryLabel);
    QFont font = caption->font();
    font.setWeight(QFont::Bold);
    caption->setFont(font);
    heading->addWidget(caption);
    heading->addStretch(1);
    layout->addLayout(heading);

    m_body = new QWidget;
    auto *body = new QVBoxLayout(m_body);
    body->setContentsMargins(warning ? 0 : 8, warning ? 0 : 8, warning ? 0 : 8, warning ? 0 : 8);
    // Paths have no spaces to wrap at: a zero-width space after each slash lets them break between components.
    QString shown = text;
    if (!warning)
        shown.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
    m_text = new ThemedLabel(shown, Theme::TextStyle::caption, warning ? Theme::secondaryLabel : Theme::label);
    if (!warning) {
        QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        mono.setPixelSize(11);
        m_text->setFont(mono);
        m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        m_text->setCursor(Qt::IBeamCursor);
    }
    m_text->setWordWrap(true);
    // Long paths have no spaces to wrap at; let them break anywhere.
    m_text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    body->addWidget(m_text);
    layout->addWidget(m_body);
    setAccessibleName(title + QStringLiteral(": ") + text);
}

QString InfoBlock::text() const
{
    return m_text->text().remove(QChar(0x200B));
}

void InfoBlock::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    if (m_look == Look::warning) {
        painter.setBrush(Theme::withAlpha(Theme::color(SystemColor::orange), 0.10));
        painter.drawRoundedRect(QRectF(rect()), 8, 8);
    } else {
        painter.setBrush(Theme::withAlpha(Theme::secondaryLabel(), 0.16));
        painter.drawRoundedRect(QRectF(m_body->geometry()), 6, 6);
    }
}
