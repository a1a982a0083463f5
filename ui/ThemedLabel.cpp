#include "ui/ThemedLabel.h"

#include <QEvent>

ThemedLabel::ThemedLabel(const QString &text, Theme::TextStyle style, ColorSource color, QWidget *parent)
    : QLabel(text, parent)
    , m_color(std::move(color))
{
    setFont(Theme::font(style));
    restyle();
}

void ThemedLabel::setColorSource(ColorSource color)
{
    m_color = std::move(color);
    restyle();
}

void ThemedLabel::restyle()
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, m_color());
    palette.setColor(QPalette::Text, m_color());
    setPalette(palette);
}

void ThemedLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::ApplicationPaletteChange)
        restyle();
}
