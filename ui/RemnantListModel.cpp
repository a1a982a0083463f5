#include "ui/RemnantListModel.h"

#include "scanner/RemnantScanner.h"

#include <QTimer>

RemnantListModel::RemnantListModel(RemnantScanner &scanner, QObject *parent)
    : QAbstractListModel(parent)
    , m_scanner(scanner)
{
    connect(&scanner, &RemnantScanner::remnantsAppended, this, [this](qsizetype first, qsizetype count) {
        beginInsertRows({}, int(first), int(first + count - 1));
        endInsertRows();
        watch(first, count);
    });
    connect(&scanner, &RemnantScanner::remnantRemoved, this, [this](qsizetype index) {
        beginRemoveRows({}, int(index), int(index));
        endRemoveRows();
    });
    connect(&scanner, &RemnantScanner::remnantsReset, this, [this] {
        beginResetModel();
        endResetModel();
        watch(0, m_scanner.remnants().size());
    });
    connect(&scanner, &RemnantScanner::remnantSizesChanged, this, &RemnantListModel::markChanged);
    watch(0, m_scanner.remnants().size());
}

QModelIndex RemnantListModel::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || column != 0 || row < 0 || row >= rowCount())
        return {};
    return createIndex(row, column, m_scanner.remnants().at(row).get());
}

int RemnantListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_scanner.remnants().size());
}

QVariant RemnantListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const RemnantItemPtr &item = m_scanner.remnants().at(index.row());
    switch (role) {
    case ItemRole:
        return QVariant::fromValue(static_cast<void *>(item.get()));
    case Qt::DisplayRole:
        return item->name();
    case Qt::ToolTipRole:
        return item->displayPath();
    case Qt::AccessibleTextRole:
        return QStringLiteral("%1, %2, %3%4%5%6")
            .arg(item->name(), rawValue(item->risk()), item->attributionText(),
                 item->hasLookalikes() ? QStringLiteral(", may belong to an installed app") : QString(),
                 item->holdsUserFiles() ? QStringLiteral(", holds your own files") : QString(),
                 item->wasUsedRecently() ? QStringLiteral(", used recently") : QString());
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
    if (row < 0 || row >= m_scanner.remnants().size())
        return {};
    return m_scanner.remnants().at(row);
}

void RemnantListModel::watch(qsizetype first, qsizetype count)
{
    const QList<RemnantItemPtr> &remnants = m_scanner.remnants();
    for (qsizetype i = first; i < first + count && i < remnants.size(); ++i) {
        RemnantItem *item = remnants[i].get();
        // A reset hands over the same records again; one connection per record is enough.
        connect(item, &RemnantItem::actionChanged, this, &RemnantListModel::markChanged, Qt::UniqueConnection);
        connect(item, &RemnantItem::isSelectedChanged, this, &RemnantListModel::markChanged, Qt::UniqueConnection);
    }
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
