// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/EmptyDetailView.h"

#include "ui/PlaceholderStack.h"
#include "ui/SymbolLabel.h"
#include "ui/ThemedLabel.h"

EmptyDetailView::EmptyDetailView(QWidget *parent)
    : QWidget(parent)
{
    auto *stack = new PlaceholderStack(this, 10);
    stack->addCentered(new SymbolLabel(QStringLiteral("arrow.left"), 32, Theme::tertiaryLabel));
    stack->addCentered(new ThemedLabel(tr("Select an item"), Theme::TextStyle::headline));
    stack->addCentered(new ThemedLabel(tr("Click an item on the left\nto see details."), Theme::TextStyle::body,
                                       Theme::secondaryLabel));
    stack->finish();
}
