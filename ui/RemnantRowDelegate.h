// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>
#include <optional>

class QAbstractItemView;
class QVariantAnimation;
class RemnantItem;

// Paints one leftover per row (risk badge, category symbol, name with its pill and tag dot, attribution and age,
// size) and the three action buttons that fade in while the pointer is over the row. No widget per row.
class RemnantRowDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    enum class RowButton { reveal, tag, trash };

    static constexpr int RowHeight = 48;

    explicit RemnantRowDelegate(QAbstractItemView &view);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

    // Whether rows leave room for the bulk selection's check mark.
    void setShowsCheckColumn(bool shows);
    // The rectangle of a row's button in viewport coordinates, for anchoring a popover.
    QRect buttonRect(const QRect &rowRect, RowButton button) const;

    // The reveal button's title, which names the system's file browser.
    void setRevealTitle(const QString &title) { m_revealTitle = title; }
    // While sizes are being measured, an item not measured yet reads "Measuring…" instead of a size.
    void setSizesPending(bool pending) { m_sizesPending = pending; }
    // The size a row shows for the item.
    QString sizeText(const RemnantItem &item) const;
    QString tooltip(RowButton button) const;

signals:
    void buttonClicked(const QModelIndex &index, RowButton button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setHovered(const QModelIndex &index);
    qreal hoverProgress(const QModelIndex &index) const;
    std::optional<RowButton> buttonAt(const QRect &rowRect, const QPoint &point) const;

    QAbstractItemView &m_view;
    bool m_showsCheckColumn = false;
    QString m_revealTitle;
    bool m_sizesPending = false;
    QPersistentModelIndex m_hovered;
    QPersistentModelIndex m_pressed;
    // Rows fading in or out; the progress is 1 for a row fully shown.
    QHash<QPersistentModelIndex, QPointer<QVariantAnimation>> m_fades;
};
