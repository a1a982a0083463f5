// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// Shown when a scan found nothing or the filters hide everything.
class EmptyResultsView : public QWidget {
    Q_OBJECT

public:
    explicit EmptyResultsView(QWidget *parent = nullptr);
};
