// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/RemnantRowDelegate.h"

#include "model/RemnantItem.h"
#include "ui/Appearance.h"
#include "ui/ByteCountFormatter.h"
#include "ui/DisplayText.h"
#include "ui/RemnantListModel.h"
#include "ui/SymbolImages.h"
#include "ui/Theme.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <QVariantAnimation>
#include <array>

namespace {

constexpr int Inset = 8;    // the inset list's margin on either side
constexpr int Padding = 10; // inside a row
constexpr int CheckWidth = 20;
constexpr int BadgeWidth = 16;
constexpr int CategoryWidth = 20;
constexpr int SizeWidth = 70;
constexpr int ButtonSize = 24;
constexpr int ButtonSpacing = 2;
constexpr int ButtonsWidth = 3 * ButtonSize + 2 * ButtonSpacing + 6;
constexpr int LookalikeBadgeWidth = 16;
constexpr int GuardBadgeWidth = 18;

struct ButtonLook {
    RemnantRowDelegate::RowButton button;
    const char *symbol;
};
constexpr std::array<ButtonLook, 3> Buttons{{{RemnantRowDelegate::RowButton::reveal, "folder"},
                                             {RemnantRowDelegate::RowButton::tag, "tag.fill"},
                                             {RemnantRowDelegate::RowButton::trash, "trash.fill"}}};

QColor buttonColor(RemnantRowDelegate::RowButton button)
{
    switch (button) {
    case RemnantRowDelegate::RowButton::reveal:
        return Theme::secondaryLabel();
    case RemnantRowDelegate::RowButton::tag:
        return Theme::color(SystemColor::blue);
    case RemnantRowDelegate::RowButton::trash:
        return Theme::color(SystemColor::red);
    }
    return Theme::secondaryLabel();
}

QRect contentRect(const QRect &rowRect)
{
    return rowRect.adjusted(Inset, 1, -Inset, -1);
}

// Draws text in a pill: `color` on `color` at 15 %, small bold type; returns the width used.
int drawPill(QPainter &painter, int x, int centerY, const QString &text, const QColor &color, int maxWidth)
{
    const QFont font = Theme::font(Theme::TextStyle::caption2);
    const QFontMetrics metrics(font);
    const QString shown = metrics.elidedText(text, Qt::ElideRight, std::max(0, maxWidth - 8));
    const int width = metrics.horizontalAdvance(shown) + 8;
    const QRect pill(x, centerY - metrics.height() / 2 - 1, width, metrics.height() + 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Theme::withAlpha(color, 0.15));
    painter.drawRoundedRect(pill, 4, 4);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(pill, Qt::AlignCenter, shown);
    return width;
}

// The badge of an entry that must not leave unconfirmed: a shield where it holds the user's files, a clock where it
// was only used recently.
QString guardSymbol(const RemnantItem &item)
{
    return item.holdsUserFiles() ? QStringLiteral("lock.shield.fill") : QStringLiteral("clock.fill");
}

// A pill holding a symbol, of the same height as a text pill.
int drawSymbolPill(QPainter &painter, int x, int centerY, const QString &symbol, const QColor &color, qreal dpr)
{
    const QFontMetrics metrics(Theme::font(Theme::TextStyle::caption2));
    const QRect pill(x, centerY - metrics.height() / 2 - 1, GuardBadgeWidth, metrics.height() + 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Theme::withAlpha(color, 0.15));
    painter.drawRoundedRect(pill, 4, 4);
    constexpr int SymbolSize = 10;
    painter.drawPixmap(pill.center().x() - SymbolSize / 2 + 1, pill.center().y() - SymbolSize / 2 + 1,
                       SymbolImages::pixmap(symbol, color, SymbolSize, dpr));
    return GuardBadgeWidth;
}

} // namespace

RemnantRowDelegate::RemnantRowDelegate(QAbstractItemView &view)
    : QStyledItemDelegate(&view)
    , m_view(view)
{
    view.setMouseTracking(true);
    view.viewport()->installEventFilter(this);
}

QString RemnantRowDelegate::tooltip(RowButton button) const
{
    switch (button) {
    case RowButton::reveal:
        return m_revealTitle;
    case RowButton::tag:
        return tr("Tag with color");
    case RowButton::trash:
        return tr("Move to Trash");
    }
    return {};
}

void RemnantRowDelegate::setShowsCheckColumn(bool shows)
{
    if (m_showsCheckColumn == shows)
        return;
    m_showsCheckColumn = shows;
    m_view.viewport()->update();
}

QSize RemnantRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return {option.rect.width(), RowHeight};
}

QRect RemnantRowDelegate::buttonRect(const QRect &rowRect, RowButton button) const
{
    const QRect content = contentRect(rowRect);
    const int first = content.right() - Padding + 1 - ButtonsWidth + 6;
    const int y = content.center().y() - ButtonSize / 2 + 1;
    return {first + int(button) * (ButtonSize + ButtonSpacing), y, ButtonSize, ButtonSize};
}

std::optional<RemnantRowDelegate::RowButton> RemnantRowDelegate::buttonAt(const QRect &rowRect,
                                                                          const QPoint &point) const
{
    for (const ButtonLook &look : Buttons) {
        if (buttonRect(rowRect, look.button).contains(point))
            return look.button;
    }
    return std::nullopt;
}

qreal RemnantRowDelegate::hoverProgress(const QModelIndex &index) const
{
    const QPersistentModelIndex key(index);
    if (const auto fade = m_fades.value(key))
        return fade->currentValue().toReal();
    return key == m_hovered ? 1.0 : 0.0;
}

void RemnantRowDelegate::setHovered(const QModelIndex &index)
{
    if (QPersistentModelIndex(index) == m_hovered)
        return;
    auto fade = [this](const QPersistentModelIndex &row, qreal to) {
        if (!row.isValid())
            return;
        const qreal from = hoverProgress(row);
        if (QPointer<QVariantAnimation> old = m_fades.take(row))
            old->deleteLater();
        auto *animation = new QVariantAnimation(this);
        animation->setStartValue(from);
        animation->setEndValue(to);
        animation->setDuration(150);
        animation->setEasingCurve(QEasingCurve::InOutQuad);
        connect(animation, &QVariantAnimation::valueChanged, this, [this, row] {
            if (row.isValid())
                m_view.viewport()->update(m_view.visualRect(row));
        });
        connect(animation, &QVariantAnimation::finished, this, [this, row, animation] {
            if (m_fades.value(row) == animation)
                m_fades.remove(row);
            animation->deleteLater();
        });
        m_fades.insert(row, animation);
        animation->start();
    };
    const QPersistentModelIndex previous = m_hovered;
    m_hovered = QPersistentModelIndex(index);
    fade(previous, 0.0);
    fade(m_hovered, 1.0);
}

bool RemnantRowDelegate::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view.viewport()) {
        if (event->type() == QEvent::MouseMove)
            setHovered(m_view.indexAt(static_cast<QMouseEvent *>(event)->position().toPoint()));
        else if (event->type() == QEvent::Leave)
            setHovered(QModelIndex());
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

bool RemnantRowDelegate::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                                     const QModelIndex &index)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease &&
        event->type() != QEvent::MouseButtonDblClick)
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const std::optional<RowButton> button =
        hoverProgress(index) > 0.5 ? buttonAt(option.rect, mouse->position().toPoint()) : std::nullopt;
    if (!button)
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    if (event->type() == QEvent::MouseButtonPress) {
        m_pressed = QPersistentModelIndex(index);
    } else if (event->type() == QEvent::MouseButtonRelease && m_pressed == QPersistentModelIndex(index)) {
        m_pressed = QPersistentModelIndex();
        emit buttonClicked(index, *button);
    }
    return true;
}

bool RemnantRowDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                                   const QModelIndex &index)
{
    if (event->type() == QEvent::ToolTip && hoverProgress(index) > 0.5) {
        if (const auto button = buttonAt(option.rect, event->pos())) {
            QToolTip::showText(event->globalPos(), tooltip(*button), view, buttonRect(option.rect, *button));
            return true;
        }
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}

void RemnantRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const RemnantItem *item = RemnantListModel::item(index);
    if (!item)
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const qreal dpr = painter->device()->devicePixelRatioF();
    const QRect content = contentRect(option.rect);

    if (option.state & QStyle::State_Selected) {
        const bool focused = option.state & QStyle::State_HasFocus || m_view.hasFocus();
        painter->setPen(Qt::NoPen);
        painter->setBrush(Theme::withAlpha(Theme::accent(), focused ? 0.22 : 0.12));
        painter->drawRoundedRect(content, 6, 6);
    } else if (index.data(RemnantListModel::CheckedRole).toBool()) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(Theme::withAlpha(Theme::accent(), 0.07));
        painter->drawRoundedRect(content, 6, 6);
    }

    const int centerY = content.center().y() + 1;
    int x = content.left() + Padding;
    auto drawSymbol = [&](const QString &symbol, const QColor &color, int size, int columnWidth) {
        const QPixmap pixmap = SymbolImages::pixmap(symbol, color, size, dpr);
        painter->drawPixmap(x + (columnWidth - size) / 2, centerY - size / 2, pixmap);
        x += columnWidth;
    };
    if (m_showsCheckColumn) {
        if (index.data(RemnantListModel::CheckedRole).toBool())
            drawSymbol(QStringLiteral("checkmark.circle.fill"), Theme::accent(), 14, CheckWidth);
        else
            x += CheckWidth;
    }
    drawSymbol(Appearance::symbol(item->risk()), Theme::color(Appearance::color(item->risk())), 12, BadgeWidth);
    x += 4;
    drawSymbol(Appearance::symbol(item->category()), Theme::color(Appearance::color(item->category())), 15,
               CategoryWidth);
    x += 8;

    const qreal progress = hoverProgress(index);
    const int trailing = content.right() - Padding + 1 - int(ButtonsWidth * progress);
    const QRect sizeRect(trailing - SizeWidth, content.top(), SizeWidth, content.height());
    const int textRight = sizeRect.left() - 8;

    // First line: the name, its pill and the tag dot.
    const QFont nameFont = Theme::font(13, QFont::Medium);
    const QFontMetrics nameMetrics(nameFont);
    const int firstLineY = content.top() + 6;
    const int lineHeight = nameMetrics.height();
    const int firstCenter = firstLineY + lineHeight / 2;
    QString pillText;
    QColor pillColor;
    if (item->status() == RemnantStatus::orphan) {
        pillText = tr("ORPHAN");
        pillColor = Theme::color(SystemColor::red);
    } else if (const std::optional<QString> owner = DisplayText::owner(*item)) {
        pillText = QStringLiteral("→ ") + *owner;
        pillColor = Theme::color(SystemColor::green);
    }
    const int pillBudget = pillText.isEmpty() ? 0 : std::min(180, (textRight - x) / 2);
    const bool lookalikeBadge = item->hasLookalikes();
    const bool guardBadge = item->isGuarded();
    const int tagBudget = (item->action().tag() ? 16 : 0) + (lookalikeBadge ? LookalikeBadgeWidth + 6 : 0) +
                          (guardBadge ? GuardBadgeWidth + 6 : 0);
    const int nameWidth = std::max(0, textRight - x - pillBudget - tagBudget - (pillText.isEmpty() ? 0 : 6));
    const QString name = nameMetrics.elidedText(item->name(), Qt::ElideMiddle, nameWidth);
    painter->setFont(nameFont);
    painter->setPen(Theme::label());
    painter->drawText(QRect(x, firstLineY, nameWidth, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, name);
    int after = x + nameMetrics.horizontalAdvance(name) + 6;
    if (!pillText.isEmpty())
        after += drawPill(*painter, after, firstCenter, pillText, pillColor, pillBudget) + 6;
    if (lookalikeBadge)
        after += drawPill(*painter, after, firstCenter, QStringLiteral("?"), Theme::color(SystemColor::orange),
                          LookalikeBadgeWidth) +
                 6;
    if (guardBadge)
        after +=
            drawSymbolPill(*painter, after, firstCenter, guardSymbol(*item), Theme::color(SystemColor::orange), dpr) +
            6;
    if (const std::optional<FinderTagColor> tag = item->action().tag()) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(Theme::color(Appearance::color(*tag)));
        painter->drawEllipse(QRectF(after, firstCenter - 5, 10, 10));
    }

    // Second line: who it belongs to, and how long it has not been used.
    const QFont caption = Theme::font(Theme::TextStyle::caption);
    const QFontMetrics captionMetrics(caption);
    const QRect second(x, firstLineY + lineHeight + 2, textRight - x, captionMetrics.height());
    painter->setFont(caption);
    const std::optional<QString> age = DisplayText::age(*item);
    const QString separator = QStringLiteral("  ·  ");
    const int ageWidth = age ? captionMetrics.horizontalAdvance(separator + *age) : 0;
    const QString attribution = captionMetrics.elidedText(DisplayText::attribution(*item), Qt::ElideMiddle,
                                                          std::max(0, second.width() - ageWidth));
    painter->setPen(Theme::secondaryLabel());
    painter->drawText(second, Qt::AlignLeft | Qt::AlignVCenter, attribution);
    if (age) {
        int ageX = second.left() + captionMetrics.horizontalAdvance(attribution);
        painter->setPen(Theme::tertiaryLabel());
        painter->drawText(QRect(ageX, second.top(), second.width(), second.height()), Qt::AlignLeft | Qt::AlignVCenter,
                          separator);
        ageX += captionMetrics.horizontalAdvance(separator);
        painter->setPen(item->isLongUnused() ? Theme::color(SystemColor::orange) : Theme::secondaryLabel());
        painter->drawText(QRect(ageX, second.top(), second.width(), second.height()), Qt::AlignLeft | Qt::AlignVCenter,
                          *age);
    }

    painter->setFont(caption);
    painter->setPen(Theme::secondaryLabel());
    painter->drawText(sizeRect, Qt::AlignRight | Qt::AlignVCenter, sizeText(*item));

    if (progress > 0) {
        painter->setOpacity(progress);
        const qreal scale = 0.8 + 0.2 * progress;
        for (const ButtonLook &look : Buttons) {
            const QRect rect = buttonRect(option.rect, look.button);
            const QPixmap pixmap =
                SymbolImages::pixmap(QString::fromLatin1(look.symbol), buttonColor(look.button), 14, dpr);
            const QSizeF size(14 * scale, 14 * scale);
            const QRectF target(
                QPointF(rect.center()) - QPointF(size.width() / 2, size.height() / 2) + QPointF(0.5, 0.5), size);
            painter->drawPixmap(target, pixmap, QRectF(pixmap.rect()));
        }
    }
    painter->restore();
}

QString RemnantRowDelegate::sizeText(const RemnantItem &item) const
{
    return m_sizesPending && !item.sizeOnDisk() ? DisplayText::measuring()
                                                : DisplayText::fileSize(item.displayedSize());
}
