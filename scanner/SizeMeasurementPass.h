// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/SizeMeasurement.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

class Platform;

// Measures what each of a list of entries takes on disk, with the census of the user's files in it, on a small
// fixed set of threads that take the entries in order, one whole entry at a time. Results are handed over in batches:
// after BatchSize entries, or once BatchInterval has passed since the last hand-over of that thread, and at the end.
// Stopped by cancel() or by destruction, which waits for the threads.
class SizeMeasurementPass {
public:
    struct Entry {
        // The entry's path as its bytes: a path object keeps its components too, many times the memory for a long list.
        std::string path;
        bool disposable = false; // see Platform::measureSize
    };
    struct Result {
        std::size_t index; // into the entries given
        SizeMeasurement measurement;
    };
    // Called on the measuring threads. `last` is true for a thread's final batch, which may be empty; a cancelled
    // pass hands nothing more over.
    using BatchHandler = std::function<void(std::vector<Result> batch, bool last)>;

    static constexpr int ThreadCount = 2;
    static constexpr std::size_t BatchSize = 64;
    static constexpr int BatchIntervalMilliseconds = 100;

    SizeMeasurementPass(std::shared_ptr<const Platform> platform, std::vector<Entry> entries, BatchHandler handler);
    ~SizeMeasurementPass();
    SizeMeasurementPass(const SizeMeasurementPass &) = delete;
    SizeMeasurementPass &operator=(const SizeMeasurementPass &) = delete;

    void start();
    // Tells the threads to stop; they end within one directory entry of the walk.
    void cancel();

private:
    void run();

    std::shared_ptr<const Platform> m_platform;
    std::vector<Entry> m_entries;
    BatchHandler m_handler;
    std::atomic<std::size_t> m_next{0};
    std::atomic<bool> m_cancelled{false};
    std::vector<std::thread> m_threads;
};
