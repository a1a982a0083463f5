// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// The detail column before a leftover is chosen.
class EmptyDetailView : public QWidget {
    Q_OBJECT

public:
    explicit EmptyDetailView(QWidget *parent = nullptr);
};
