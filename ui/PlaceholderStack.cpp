// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/PlaceholderStack.h"

#include <QLabel>

PlaceholderStack::PlaceholderStack(QWidget *owner, int spacing)
    : QVBoxLayout(owner)
{
    setSpacing(spacing);
    setContentsMargins(24, 24, 24, 24);
    addStretch(1);
}

void PlaceholderStack::addCentered(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        label->setAlignment(Qt::AlignCenter);
    addWidget(widget, 0, Qt::AlignHCenter);
}

void PlaceholderStack::finish()
{
    addStretch(1);
}
