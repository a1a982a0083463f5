// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "demo/DemoHome.h"
#include "demo/LinuxDemoHome.h"

#include <atomic>
#include <csignal>
#include <memory>
#include <mutex>
#include <thread>

// The demonstration Mac of `scan --demo`, removed also when the program is interrupted (SIGINT) or told to end
// (SIGTERM). Every thread blocks the two signals; one thread waits for them, removes the demo and then ends the
// program by the same signal, as it would have ended without the demo.
class InterruptibleDemo {
public:
    // Blocks the signals in the calling thread, and so in every thread started after it, and starts the waiting
    // thread. Make it before any other thread starts.
    InterruptibleDemo();
    // Removes the demo, stops the waiting thread and lets the signals through again; one that came meanwhile then
    // ends the program.
    ~InterruptibleDemo();
    InterruptibleDemo(const InterruptibleDemo &) = delete;
    InterruptibleDemo &operator=(const InterruptibleDemo &) = delete;

    // Makes the demo; throws as DemoHome does.
    const DemoHome &make();
    // Makes the demonstration Linux desktop instead; throws as LinuxDemoHome does.
    const LinuxDemoHome &makeLinux();

private:
    void waitForSignals();

    sigset_t m_previousMask{};
    std::mutex m_mutex;
    std::unique_ptr<DemoHome> m_demo;
    std::unique_ptr<LinuxDemoHome> m_linuxDemo;
    std::atomic<bool> m_stopping = false;
    std::thread m_waiter;
};
