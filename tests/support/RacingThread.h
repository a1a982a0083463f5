// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <functional>
#include <thread>

// Runs `step` over and over in a thread of its own, as somebody racing the program would, until it is destroyed.
class RacingThread {
public:
    explicit RacingThread(std::function<void()> step)
        : m_thread([this, step = std::move(step)] {
            while (!m_stop.load())
                step();
        })
    {}
    ~RacingThread()
    {
        m_stop = true;
        m_thread.join();
    }
    RacingThread(const RacingThread &) = delete;
    RacingThread &operator=(const RacingThread &) = delete;

private:
    std::atomic<bool> m_stop = false;
    std::thread m_thread;
};
