// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstdint>
#include <utility>
#include <vector>

// Wall-clock time spent in the stages of a scan, summed per stage, for a front end that reports where a scan spends
// its time. Nothing is recorded unless it is switched on; recording is safe from any thread.
class StageTimings {
public:
    enum class Stage : std::uint8_t {
        // The Mac's inventory, source by source.
        readingBundles,
        applicationFolders,
        workspace,
        runningApplications,
        receipts,
        applicationSupport,
        frameworks,
        toolsAndJava,
        packageManagers,
        indexBuild,
        listing,
        identification,
        // Writing the results out, for a front end that times it too.
        output,
    };

    static void setEnabled(bool enabled);
    static bool isEnabled();
    static void add(Stage stage, std::chrono::steady_clock::duration elapsed);
    // Every stage recorded so far, in the order of its first recording, with its total in seconds.
    static std::vector<std::pair<Stage, double>> totals();
    static void clear();

    // Records the time from its making to its end under one stage name.
    class Scope {
    public:
        explicit Scope(Stage stage);
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        Stage m_stage;
        std::chrono::steady_clock::time_point m_start;
    };
};
