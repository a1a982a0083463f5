// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/FinderTagColor.h"
#include "model/RemnantItem.h"

#include <QDialog>
#include <array>

class QAbstractButton;
class QLabel;

// One action for a set of leftovers: move them all to the Trash, or mark them all with one of five colours.
class BulkActionSheet : public QDialog {
    Q_OBJECT

public:
    BulkActionSheet(int count, QList<RemnantItemPtr> items, QWidget *parent);

    const QList<RemnantItemPtr> &items() const { return m_items; }
    QAbstractButton *trashButton() const { return m_trash; }
    // What the items take together.
    QLabel *sizeLabel() const { return m_size; }
    QAbstractButton *tagButton(FinderTagColor color) const;

    static constexpr std::array<FinderTagColor, 5> OfferedColors{FinderTagColor::red, FinderTagColor::orange,
                                                                 FinderTagColor::yellow, FinderTagColor::green,
                                                                 FinderTagColor::blue};

signals:
    void trashChosen(const QList<RemnantItemPtr> &items);
    void tagChosen(const QList<RemnantItemPtr> &items, FinderTagColor color);

private:
    QList<RemnantItemPtr> m_items;
    QLabel *m_size;
    QAbstractButton *m_trash;
    std::array<QAbstractButton *, 5> m_tagButtons{};
};
