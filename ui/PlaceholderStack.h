// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QVBoxLayout>

// The centred vertical stack that every placeholder screen is made of.
class PlaceholderStack : public QVBoxLayout {
public:
    explicit PlaceholderStack(QWidget *owner, int spacing = 12);

    // Adds a widget centred horizontally.
    void addCentered(QWidget *widget);
    // Closes the stack; widgets added before it are centred vertically.
    void finish();
};
