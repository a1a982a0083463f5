// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <functional>

// Runs numbered pieces of work on several threads at once. Each piece must write only its own result; the
// caller reads the results in their numbered order afterwards, so what comes out does not depend on the
// number of threads.
class ParallelWork {
public:
    // One thread per processor, at least one and at most a few.
    static int defaultWorkers();
    // Calls `work` once for every number below `count`, on up to `workers` threads (the caller's among them),
    // and returns when all calls have returned.
    static void forEachIndex(std::size_t count, int workers, const std::function<void(std::size_t)> &work);
};
