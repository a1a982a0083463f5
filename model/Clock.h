// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <optional>

// The engine's only source of the current instant. Tests fix it; otherwise it follows the system clock.
// Safe to use from any thread.
class Clock {
public:
    // The fixed instant if one is set, else the system's current time; always in UTC.
    static QDateTime now();
    static std::optional<QDateTime> fixedNow();
    // Absent returns to the system clock.
    static void setFixedNow(std::optional<QDateTime> instant);

    // Fixes the clock while it lives and then restores whatever was fixed before, so overrides nest.
    class Override {
    public:
        explicit Override(const QDateTime &instant);
        ~Override();
        Override(const Override &) = delete;
        Override &operator=(const Override &) = delete;

    private:
        std::optional<QDateTime> m_previous;
    };
};
