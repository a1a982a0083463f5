// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inventory/StageTimings.h"

#include <atomic>
#include <mutex>

namespace {

std::atomic<bool> enabled{false};

struct Totals {
    std::mutex mutex;
    std::vector<std::pair<StageTimings::Stage, std::chrono::steady_clock::duration>> stages;
};

Totals &totalsStore()
{
    static Totals totals;
    return totals;
}

} // namespace

void StageTimings::setEnabled(bool value)
{
    enabled.store(value);
}

bool StageTimings::isEnabled()
{
    return enabled.load(std::memory_order_relaxed);
}

void StageTimings::add(Stage stage, std::chrono::steady_clock::duration elapsed)
{
    if (!isEnabled())
        return;
    Totals &totals = totalsStore();
    std::lock_guard lock(totals.mutex);
    for (auto &[name, total] : totals.stages) {
        if (name == stage) {
            total += elapsed;
            return;
        }
    }
    totals.stages.emplace_back(stage, elapsed);
}

std::vector<std::pair<StageTimings::Stage, double>> StageTimings::totals()
{
    Totals &totals = totalsStore();
    std::lock_guard lock(totals.mutex);
    std::vector<std::pair<Stage, double>> result;
    for (const auto &[name, total] : totals.stages)
        result.emplace_back(name, std::chrono::duration<double>(total).count());
    return result;
}

void StageTimings::clear()
{
    Totals &totals = totalsStore();
    std::lock_guard lock(totals.mutex);
    totals.stages.clear();
}

StageTimings::Scope::Scope(Stage stage)
    : m_stage(stage)
    , m_start(std::chrono::steady_clock::now())
{}

StageTimings::Scope::~Scope()
{
    if (isEnabled())
        add(m_stage, std::chrono::steady_clock::now() - m_start);
}
