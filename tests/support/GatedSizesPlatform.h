// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/PosixPlatform.h"

#include <QThread>
#include <atomic>

// The real platform, except that it measures no size until the test opens the gate or the pass is stopped, so a
// test can act while a size pass is known to run.
class GatedSizesPlatform : public PosixPlatform {
public:
    using PosixPlatform::PosixPlatform;

    std::optional<SizeMeasurement> measureSize(const std::filesystem::path &entry, bool disposable,
                                               const std::atomic<bool> *cancelled) const override
    {
        ++waiting;
        while (!open.load() && !cancelled->load())
            QThread::msleep(1);
        --waiting;
        return PosixPlatform::measureSize(entry, disposable, cancelled);
    }

    // Measurements held at the gate now.
    mutable std::atomic<int> waiting = 0;
    std::atomic<bool> open = false;
};
