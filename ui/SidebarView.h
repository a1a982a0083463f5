// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/RemnantCategory.h"
#include "model/RemnantRisk.h"

#include <QWidget>
#include <array>

class RemnantScanner;
class SummaryRow;

// The left column: totals of the whole scan result, the category filter with counts and the count per risk.
// It widens to fit its widest row and never narrows again.
class SidebarView : public QWidget {
    Q_OBJECT

public:
    static constexpr int MinSidebarWidth = 300;

    explicit SidebarView(RemnantScanner &scanner, QWidget *parent = nullptr);

    SummaryRow *orphansRow() const { return m_orphans; }
    SummaryRow *totalRow() const { return m_total; }
    SummaryRow *sizeRow() const { return m_size; }
    SummaryRow *allCategoriesRow() const { return m_allCategories; }
    SummaryRow *categoryRow(RemnantCategory category) const { return m_categories[std::size_t(category)]; }
    SummaryRow *riskRow(RemnantRisk risk) const { return m_risks[std::size_t(risk)]; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void scheduleRefresh();
    void refresh();
    void updateChoice();

    RemnantScanner &m_scanner;
    SummaryRow *m_orphans;
    SummaryRow *m_total;
    SummaryRow *m_size;
    SummaryRow *m_allCategories;
    std::array<SummaryRow *, 21> m_categories{};
    std::array<SummaryRow *, 3> m_risks{};
    int m_measuredWidth = MinSidebarWidth;
    bool m_refreshPending = false;
};
