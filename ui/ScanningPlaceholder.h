// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class RemnantScanner;

// Shown while a scan runs: a spinner, what the scan is doing now, a word on how long it takes and a way to stop it.
class ScanningPlaceholder : public QWidget {
    Q_OBJECT

public:
    explicit ScanningPlaceholder(RemnantScanner &scanner, QWidget *parent = nullptr);

signals:
    void stopScanRequested();
};
