// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/RemnantItem.h"

#include <QAbstractListModel>
#include <QSet>
#include <QUuid>

class RemnantScanner;

// The records of the scanner's session as a list model with rows of its own, which follow the session's news of
// appended, removed, put back and reordered records, each change between its begin and end, so a scan streams into
// the views. Changes of a record's action, bulk selection or size on disk repaint the rows once per turn of the
// event loop, however many records changed.
class RemnantListModel : public QAbstractListModel {
    Q_OBJECT

public:
    // AppearanceRole changes only how a row looks (its tag, check mark or size), never whether it passes; where a row
    // sorts by size is the proxy's own concern.
    enum Role { ItemRole = Qt::UserRole + 1, AppearanceRole, CheckedRole };

    explicit RemnantListModel(RemnantScanner &scanner, QObject *parent = nullptr);

    QModelIndex index(int row, int column = 0, const QModelIndex &parent = {}) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // The record of a row of this model or of a proxy over it; null for an invalid index.
    static RemnantItem *item(const QModelIndex &index);
    RemnantItemPtr itemPointer(int row) const;
    const QList<RemnantItemPtr> &rows() const { return m_rows; }

    // The bulk selection: the records checked for a bulk action, by their ids. Records that leave the list leave it.
    const QSet<QUuid> &checked() const { return m_checked; }
    bool isChecked(const RemnantItem &item) const { return m_checked.contains(item.id()); }
    void setChecked(const QList<RemnantItemPtr> &items, bool checked);
    void clearChecked();

signals:
    void checkedChanged();

private:
    void append(qsizetype first, qsizetype count);
    void remove(const QList<RemnantItemPtr> &items);
    void insert(const QList<qsizetype> &positions);
    void reset();
    void markChanged();

    void pruneChecked();

    RemnantScanner &m_scanner;
    QList<RemnantItemPtr> m_rows;
    QSet<QUuid> m_checked;
    bool m_changePending = false;
};
