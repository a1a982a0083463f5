// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/RemnantListModel.h"

#include "scanner/RemnantScanner.h"
#include "ui/DisplayText.h"

#include <QSet>
#include <QTimer>

RemnantListModel::RemnantListModel(RemnantScanner &scanner, QObject *parent)
    : QAbstractListModel(parent)
    , m_scanner(scanner)
{
    const ScanSession &session = scanner.session();
    connect(&session, &ScanSession::itemsAppended, this, &RemnantListModel::append);
    connect(&session, &ScanSession::itemsRemoved, this, &RemnantListModel::remove);
    connect(&session, &ScanSession::itemsInserted, this, &RemnantListModel::insert);
    connect(&session, &ScanSession::itemsReset, this, &RemnantListModel::reset);
    connect(&session, &ScanSession::itemsMeasured, this, &RemnantListModel::markChanged);
    connect(&session, &ScanSession::actionsChanged, this, &RemnantListModel::markChanged);
    m_rows = session.items();
}

void RemnantListModel::append(qsizetype first, qsizetype count)
{
    const QList<RemnantItemPtr> &items = m_scanner.session().items();
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + count - 1));
    for (qsizetype i = first; i < first + count; ++i) {
        m_rows.append(items[i]);
    }
    endInsertRows();
}

void RemnantListModel::setChecked(const QList<RemnantItemPtr> &items, bool checked)
{
    for (const RemnantItemPtr &item : items) {
        if (!item)
            continue;
        if (checked)
            m_checked.insert(item->id());
        else
            m_checked.remove(item->id());
    }
    markChanged();
    emit checkedChanged();
}

void RemnantListModel::clearChecked()
{
    if (m_checked.isEmpty())
        return;
    m_checked.clear();
    markChanged();
    emit checkedChanged();
}

void RemnantListModel::pruneChecked()
{
    if (m_checked.isEmpty())
        return;
    QSet<QUuid> present;
    for (const RemnantItemPtr &item : std::as_const(m_rows)) {
        if (m_checked.contains(item->id()))
            present.insert(item->id());
    }
    if (present.size() == m_checked.size())
        return;
    m_checked = present;
    emit checkedChanged();
}

void RemnantListModel::remove(const QList<RemnantItemPtr> &items)
{
    QSet<const RemnantItem *> gone;
    for (const RemnantItemPtr &item : items)
        gone.insert(item.get());
    // Runs of neighbouring rows go at once, from the end, so that every row told is one of the list as it is then.
    for (qsizetype last = m_rows.size() - 1; last >= 0; --last) {
        if (!gone.contains(m_rows[last].get()))
            continue;
        qsizetype first = last;
        while (first > 0 && gone.contains(m_rows[first - 1].get()))
            --first;
        beginRemoveRows({}, int(first), int(last));
        m_rows.remove(first, last - first + 1);
        endRemoveRows();
        last = first;
    }
    pruneChecked();
}

void RemnantListModel::insert(const QList<qsizetype> &positions)
{
    const QList<RemnantItemPtr> &items = m_scanner.session().items();
    for (const qsizetype position : positions) {
        beginInsertRows({}, int(position), int(position));
        m_rows.insert(position, items[position]);
        endInsertRows();
    }
}

void RemnantListModel::reset()
{
    beginResetModel();
    m_rows = m_scanner.session().items();
    endResetModel();
    pruneChecked();
}

QModelIndex RemnantListModel::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || column != 0 || row < 0 || row >= rowCount())
        return {};
    return createIndex(row, column, m_rows.at(row).get());
}

int RemnantListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant RemnantListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const RemnantItemPtr &item = m_rows.at(index.row());
    switch (role) {
    case ItemRole:
        return QVariant::fromValue(static_cast<void *>(item.get()));
    case CheckedRole:
        return m_checked.contains(item->id());
    case Qt::DisplayRole:
        return item->name();
    case Qt::ToolTipRole:
        return item->displayPath();
    case Qt::AccessibleTextRole:
        return QStringLiteral("%1, %2, %3%4%5%6")
            .arg(item->name(), DisplayText::of(item->risk()), DisplayText::attribution(*item),
                 item->hasLookalikes() ? tr(", may belong to an installed app") : QString(),
                 item->holdsUserFiles() ? tr(", holds your own files") : QString(),
                 item->wasUsedRecently() ? tr(", used recently") : QString());
    default:
        return {};
    }
}

RemnantItem *RemnantListModel::item(const QModelIndex &index)
{
    if (!index.isValid())
        return nullptr;
    if (qobject_cast<const RemnantListModel *>(index.model()))
        return static_cast<RemnantItem *>(index.internalPointer());
    return static_cast<RemnantItem *>(index.data(ItemRole).value<void *>());
}

RemnantItemPtr RemnantListModel::itemPointer(int row) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    return m_rows.at(row);
}

void RemnantListModel::markChanged()
{
    if (m_changePending)
        return;
    m_changePending = true;
    QTimer::singleShot(0, this, [this] {
        m_changePending = false;
        if (rowCount() > 0)
            emit dataChanged(index(0), index(rowCount() - 1), {AppearanceRole});
    });
}
