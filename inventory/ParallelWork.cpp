// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inventory/ParallelWork.h"

#include <QThread>
#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

int ParallelWork::defaultWorkers()
{
    return std::clamp(QThread::idealThreadCount(), 1, 4);
}

void ParallelWork::forEachIndex(std::size_t count, int workers, const std::function<void(std::size_t)> &work)
{
    const std::size_t threads = std::min<std::size_t>(std::size_t(std::max(workers, 1)), count);
    if (threads <= 1) {
        for (std::size_t index = 0; index < count; ++index)
            work(index);
        return;
    }
    std::atomic<std::size_t> next{0};
    auto run = [&] {
        for (std::size_t index = next++; index < count; index = next++)
            work(index);
    };
    std::vector<std::thread> helpers;
    helpers.reserve(threads - 1);
    for (std::size_t i = 1; i < threads; ++i)
        helpers.emplace_back(run);
    run();
    for (std::thread &helper : helpers)
        helper.join();
}
