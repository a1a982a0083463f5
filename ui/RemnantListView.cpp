// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/RemnantListView.h"

#include "scanner/Profile.h"
#include "scanner/RemnantScanner.h"
#include "ui/DisplayText.h"
#include "ui/EmptyResultsView.h"
#include "ui/FilterChip.h"
#include "ui/ProfileText.h"
#include "ui/ProminentButton.h"
#include "ui/RemnantActions.h"
#include "ui/RemnantFilterProxy.h"
#include "ui/RemnantItemsView.h"
#include "ui/RemnantListModel.h"
#include "ui/ScanWarningsBanner.h"
#include "ui/ScanningPlaceholder.h"
#include "ui/SearchBar.h"
#include "ui/SeparatorLine.h"
#include "ui/Stepper.h"
#include "ui/ThemedLabel.h"
#include "ui/WelcomeView.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

RemnantListView::RemnantListView(RemnantScanner &scanner, RemnantActions &actions, QWidget *parent)
    : QWidget(parent)
    , m_scanner(scanner)
    , m_actions(actions)
    , m_model(new RemnantListModel(scanner, this))
    , m_proxy(new RemnantFilterProxy(scanner, this))
{
    m_proxy->setSourceModel(m_model);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(makeHeader());
    layout->addWidget(new SeparatorLine);
    layout->addWidget(makeFilterRow());
    layout->addWidget(new SeparatorLine);
    m_warnings = new ScanWarningsBanner(scanner);
    layout->addWidget(m_warnings);

    m_stack = new QStackedWidget;
    m_scanning = new ScanningPlaceholder(scanner);
    m_welcome = new WelcomeView;
    m_welcome->setMessage(ProfileText::welcomeMessage(scanner.profile().name()));
    m_empty = new EmptyResultsView;
    m_items = new RemnantItemsView;
    m_items->rowDelegate()->setRevealTitle(ProfileText::revealActionTitle(scanner.profile().name()));
    // A removed row moves the list's current row on, but the detail pane keeps the removed item until the user
    // chooses another; so changes of the current row while rows go are not choices. Connected around the view's
    // own handlers, which move the current row.
    connect(m_proxy, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this] { m_removingRows = true; });
    m_items->setModel(m_proxy);
    connect(m_proxy, &QAbstractItemModel::rowsRemoved, this, [this] { m_removingRows = false; });
    for (QWidget *page : {static_cast<QWidget *>(m_scanning), static_cast<QWidget *>(m_welcome),
                          static_cast<QWidget *>(m_empty), static_cast<QWidget *>(m_items)})
        m_stack->addWidget(page);
    layout->addWidget(m_stack, 1);
    connect(m_welcome, &WelcomeView::startScanRequested, this, &RemnantListView::startScanRequested);
    connect(m_scanning, &ScanningPlaceholder::stopScanRequested, this, &RemnantListView::stopScanRequested);

    connect(&scanner, &RemnantScanner::hasStartedScanChanged, this, &RemnantListView::updateContent);
    connect(&scanner, &RemnantScanner::hasScannedChanged, this, &RemnantListView::updateContent);
    connect(m_proxy, &QAbstractItemModel::rowsInserted, this, &RemnantListView::updateContent);
    connect(m_proxy, &QAbstractItemModel::rowsRemoved, this, &RemnantListView::updateContent);
    connect(m_proxy, &QAbstractItemModel::modelReset, this, &RemnantListView::updateContent);
    connect(m_proxy, &QAbstractItemModel::layoutChanged, this, &RemnantListView::updateContent);

    connect(m_items->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (m_removingRows)
                    return;
                if (const RemnantItemPtr item = itemAt(current)) {
                    m_detailItem = item;
                    emit currentItemChanged(item);
                }
            });
    connect(m_proxy, &RemnantFilterProxy::refiltered, this, &RemnantListView::followFilter);
    connect(m_items, &RemnantItemsView::toggleRequested, this, [this](const QModelIndex &index) {
        if (const RemnantItemPtr item = itemAt(index))
            toggleSelected(item);
        m_anchor = index;
    });
    connect(m_items, &RemnantItemsView::extendRequested, this, [this](const QModelIndex &index) {
        const int from = m_anchor.isValid() ? m_anchor.row() : index.row();
        QList<RemnantItemPtr> range;
        for (int row = std::min(from, index.row()); row <= std::max(from, index.row()); ++row)
            range.append(itemAt(m_proxy->index(row, 0)));
        setItemsSelected(range, true);
    });
    connect(m_items, &RemnantItemsView::clearRequested, this, &RemnantListView::clearSelectedItems);
    connect(m_items, &RemnantItemsView::actionRequested, this,
            [this](const QModelIndex &index, RemnantRowDelegate::RowButton button) { act(index, int(button)); });

    connect(&scanner, &RemnantScanner::isScanningChanged, this, [this](bool scanning) {
        if (scanning)
            clearSelectedItems();
    });
    connect(m_model, &RemnantListModel::checkedChanged, this, &RemnantListView::updateBulkButton);
    const auto followMeasuring = [this] {
        m_items->rowDelegate()->setSizesPending(m_scanner.isScanning() || m_scanner.isMeasuringSizes());
        m_items->viewport()->update();
    };
    connect(&scanner, &RemnantScanner::isMeasuringSizesChanged, this, followMeasuring);
    connect(&scanner, &RemnantScanner::isScanningChanged, this, followMeasuring);
    followMeasuring();
    updateContent();
    updateThreshold();
    updateBulkButton();
}

QWidget *RemnantListView::makeHeader()
{
    auto *header = new QWidget;
    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(12, 8, 12, 8);
    m_search = new SearchBar;
    m_search->setText(m_scanner.searchText());
    row->addWidget(m_search);
    row->addStretch(1);
    m_sort = new QComboBox;
    m_sort->setFixedWidth(220);
    m_sort->setAccessibleName(tr("Sort"));
    m_sort->setToolTip(tr("Sort"));
    for (const RemnantSortOrder order : allCases<RemnantSortOrder>())
        m_sort->addItem(DisplayText::of(order), int(order));
    row->addWidget(m_sort);

    connect(m_search, &SearchBar::textChanged, &m_scanner, &RemnantScanner::setSearchText);
    connect(&m_scanner, &RemnantScanner::searchTextChanged, m_search, &SearchBar::setText);
    connect(m_search, &SearchBar::downRequested, this, &RemnantListView::focusList);
    connect(m_sort, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_proxy->setSortOrder(RemnantSortOrder(m_sort->itemData(index).toInt())); });
    return header;
}

QWidget *RemnantListView::makeFilterRow()
{
    auto *filters = new QWidget;
    auto *row = new QHBoxLayout(filters);
    row->setContentsMargins(12, 6, 12, 6);
    row->setSpacing(8);
    m_orphans = new FilterChip(tr("Orphans only"), QStringLiteral("questionmark.circle"));
    m_stale = new FilterChip(tr("Not used recently"), QStringLiteral("clock.badge.xmark"));
    m_hideInstalled = new FilterChip(tr("Hide installed apps"), QStringLiteral("eye.slash"));
    struct Binding {
        FilterChip *chip;
        bool (RemnantScanner::*get)() const;
        void (RemnantScanner::*set)(bool);
        void (RemnantScanner::*changed)(bool);
    };
    for (const Binding &binding :
         {Binding{m_orphans, &RemnantScanner::filterOrphansOnly, &RemnantScanner::setFilterOrphansOnly,
                  &RemnantScanner::filterOrphansOnlyChanged},
          Binding{m_stale, &RemnantScanner::filterStaleOnly, &RemnantScanner::setFilterStaleOnly,
                  &RemnantScanner::filterStaleOnlyChanged},
          Binding{m_hideInstalled, &RemnantScanner::hideInstalledApps, &RemnantScanner::setHideInstalledApps,
                  &RemnantScanner::hideInstalledAppsChanged}}) {
        binding.chip->setChecked((m_scanner.*binding.get)());
        connect(binding.chip, &QAbstractButton::toggled, &m_scanner, binding.set);
        connect(&m_scanner, binding.changed, binding.chip, &QAbstractButton::setChecked);
        row->addWidget(binding.chip);
    }

    m_thresholdGroup = new QWidget;
    auto *group = new QHBoxLayout(m_thresholdGroup);
    group->setContentsMargins(4, 0, 0, 0);
    group->setSpacing(5);
    group->addWidget(new ThemedLabel(QStringLiteral("from"), Theme::TextStyle::caption, Theme::secondaryLabel));
    m_stepper = new Stepper(30, 730, 30);
    m_stepper->setAccessibleName(tr("Stale threshold in days"));
    m_stepper->setToolTip(tr("Days without use"));
    group->addWidget(m_stepper);
    m_thresholdLabel = new ThemedLabel(QString(), Theme::TextStyle::caption, Theme::secondaryLabel);
    group->addWidget(m_thresholdLabel);
    row->addWidget(m_thresholdGroup);
    connect(m_stepper, &Stepper::valueEdited, &m_scanner, &RemnantScanner::setStaleThresholdDays);
    connect(&m_scanner, &RemnantScanner::staleThresholdDaysChanged, this, &RemnantListView::updateThreshold);
    connect(&m_scanner, &RemnantScanner::filterStaleOnlyChanged, this, &RemnantListView::updateThreshold);

    row->addStretch(1);
    m_bulk = new ProminentButton(QString());
    m_bulk->setFont(Theme::font(Theme::TextStyle::callout));
    m_bulk->setToolTip(tr("Act on every checked item"));
    row->addWidget(m_bulk);
    connect(m_bulk, &QAbstractButton::clicked, this, [this] {
        QList<RemnantItemPtr> chosen;
        for (const RemnantItemPtr &item : m_scanner.filteredRemnants()) {
            if (m_model->isChecked(*item))
                chosen.append(item);
        }
        m_actions.showBulkSheet(chosen);
    });
    filters->setMinimumHeight(36);
    return filters;
}

void RemnantListView::updateThreshold()
{
    const int days = m_scanner.staleThresholdDays();
    m_stepper->setValue(days);
    m_thresholdLabel->setText(tr("%1d").arg(days));
    m_thresholdGroup->setVisible(m_scanner.filterStaleOnly());
}

void RemnantListView::updateBulkButton()
{
    m_bulk->setText(tr("Bulk actions (%1)").arg(selectedItems().size()));
    m_bulk->setAccessibleName(m_bulk->text());
    m_bulk->setVisible(!selectedItems().isEmpty());
    m_items->rowDelegate()->setShowsCheckColumn(!selectedItems().isEmpty());
}

RemnantListView::Content RemnantListView::content() const
{
    if (m_scanner.hasStartedScan() && !m_scanner.hasScanned())
        return Content::scanning;
    if (!m_scanner.hasScanned())
        return Content::welcome;
    if (m_proxy->rowCount() == 0)
        return Content::emptyResults;
    return Content::list;
}

void RemnantListView::updateContent()
{
    m_stack->setCurrentIndex(int(content()));
}

RemnantListView::SortOrder RemnantListView::sortOrder() const
{
    return m_proxy->sortOrder();
}

void RemnantListView::setSortOrder(SortOrder order)
{
    m_sort->setCurrentIndex(m_sort->findData(int(order)));
}

QList<RemnantItemPtr> RemnantListView::sortedRemnants() const
{
    QList<RemnantItemPtr> items;
    items.reserve(m_proxy->rowCount());
    for (int row = 0; row < m_proxy->rowCount(); ++row)
        items.append(itemAt(m_proxy->index(row, 0)));
    return items;
}

RemnantItemPtr RemnantListView::itemAt(const QModelIndex &proxyIndex) const
{
    if (!proxyIndex.isValid())
        return {};
    return m_model->itemPointer(m_proxy->mapToSource(proxyIndex).row());
}

void RemnantListView::setItemsSelected(const QList<RemnantItemPtr> &items, bool selected)
{
    m_model->setChecked(items, selected);
}

void RemnantListView::toggleSelected(const RemnantItemPtr &item)
{
    if (item)
        setItemsSelected({item}, !m_model->isChecked(*item));
}

void RemnantListView::followFilter()
{
    // An item the filters now hide leaves the detail pane too. One that left the list (moved to the Trash) stays
    // there until another is chosen.
    const RemnantItemPtr shown = m_detailItem.lock();
    if (!shown)
        return;
    const qsizetype row = m_model->rows().indexOf(shown);
    if (row < 0 || m_proxy->mapFromSource(m_model->index(int(row))).isValid())
        return;
    m_detailItem.reset();
    m_items->selectionModel()->clearCurrentIndex();
    emit currentItemChanged(nullptr);
}

void RemnantListView::focusList()
{
    if (m_stack->currentWidget() != m_items || m_proxy->rowCount() == 0)
        return;
    m_items->setFocus(Qt::TabFocusReason);
    const QModelIndex current = m_items->currentIndex();
    if (!current.isValid())
        m_items->setCurrentIndex(m_proxy->index(0, 0));
}

void RemnantListView::selectAllShown()
{
    setItemsSelected(sortedRemnants(), true);
}

void RemnantListView::clearSelectedItems()
{
    m_model->clearChecked();
    m_anchor = {};
}

const QSet<QUuid> &RemnantListView::selectedItems() const
{
    return m_model->checked();
}

void RemnantListView::act(const QModelIndex &proxyIndex, int button)
{
    const RemnantItemPtr item = itemAt(proxyIndex);
    if (!item)
        return;
    switch (RemnantRowDelegate::RowButton(button)) {
    case RemnantRowDelegate::RowButton::reveal:
        m_actions.reveal(item);
        break;
    case RemnantRowDelegate::RowButton::tag: {
        const QRect row = m_items->visualRect(proxyIndex);
        const QRect anchor = m_items->rowDelegate()->buttonRect(row, RemnantRowDelegate::RowButton::tag);
        m_actions.chooseTag(item, TagActionView::Presentation::popover,
                            QRect(m_items->viewport()->mapToGlobal(anchor.topLeft()), anchor.size()));
        break;
    }
    case RemnantRowDelegate::RowButton::trash:
        m_actions.confirmTrash(item);
        break;
    }
}
