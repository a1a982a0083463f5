// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/EmptyResultsView.h"

#include "ui/PlaceholderStack.h"
#include "ui/SymbolLabel.h"
#include "ui/ThemedLabel.h"

EmptyResultsView::EmptyResultsView(QWidget *parent)
    : QWidget(parent)
{
    auto *stack = new PlaceholderStack(this, 10);
    stack->addCentered(
        new SymbolLabel(QStringLiteral("checkmark.circle.fill"), 48, [] { return Theme::color(SystemColor::green); }));
    stack->addCentered(new ThemedLabel(tr("No leftovers found"), Theme::TextStyle::headline));
    stack->addCentered(
        new ThemedLabel(tr("No results match your filters."), Theme::TextStyle::body, Theme::secondaryLabel));
    stack->finish();
}
