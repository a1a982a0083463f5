// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ScanStatusText.h"

QString ScanStatusText::of(const ScanStatus &status)
{
    switch (status.stage) {
    case ScanStatus::Stage::ready:
        return tr("Ready");
    case ScanStatus::Stage::detectingApps:
        return tr("Detecting installed apps...");
    case ScanStatus::Stage::scanningFolder:
        return tr("Scanning: %1").arg(status.folder);
    case ScanStatus::Stage::finished:
        return tr("%Ln leftover(s) found", nullptr, int(status.found));
    case ScanStatus::Stage::cancelled:
        return tr("Scan cancelled");
    }
    return {};
}
