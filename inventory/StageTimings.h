// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <chrono>
#include <utility>
#include <vector>

// Wall-clock time spent in the stages of a scan, summed per stage name, for a front end that reports where a
// scan spends its time. Nothing is recorded unless it is switched on; recording is safe from any thread.
class StageTimings {
public:
    static void setEnabled(bool enabled);
    static bool isEnabled();
    static void add(const QString &stage, std::chrono::steady_clock::duration elapsed);
    // Every stage recorded so far, in the order of its first recording, with its total in seconds.
    static std::vector<std::pair<QString, double>> totals();
    static void clear();

    // Records the time from its making to its end under one stage name.
    class Scope {
    public:
        explicit Scope(QString stage);
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        QString m_stage;
        std::chrono::steady_clock::time_point m_start;
    };
};
