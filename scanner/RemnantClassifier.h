// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Clock.h"
#include "model/RemnantRisk.h"
#include "model/RemnantStatus.h"

#include <QDateTime>
#include <QString>
#include <optional>

// Turns the ownership verdict for an entry, the entry's dates and the stale threshold into the status, risk and
// names of the new item. Entries whose owner is gone but that were used within the threshold count as stale and
// safe, with the app name replaced by "Unknown".
class RemnantClassifier {
public:
    struct Input {
        std::optional<QString> bundleIdentifier{};
        std::optional<QString> appName{};
        RemnantStatus verdict = RemnantStatus::orphan;
        std::optional<QDateTime> lastOpened{};   // Spotlight's last-used date
        std::optional<QDateTime> lastUsed{};     // content access
        std::optional<QDateTime> lastModified{}; // content modification
        int thresholdDays = 365;
        QDateTime now = Clock::now();
        // Use within the threshold makes an orphan some unknown program's (see Profile::UseRules).
        bool recentUseMeansOwned = true;
    };

    struct Result {
        std::optional<QString> bundleIdentifier;
        std::optional<QString> matchedAppName;
        RemnantStatus status = RemnantStatus::unknown;
        RemnantRisk risk = RemnantRisk::review;
        // The owner's name reads "Unknown": an owner that is gone, for an entry used within the threshold.
        bool unnamed = false;

        friend bool operator==(const Result &, const Result &) = default;
    };

    // An invalid reference date counts as a date whose age cannot be told.
    static Result classify(const Input &input);
};
