// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/InterruptibleDemo.h"

#include <pthread.h>
#include <unistd.h>

namespace {

// The signal that tells the waiting thread to stop.
constexpr int StopSignal = SIGUSR1;

sigset_t awaitedSignals()
{
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, StopSignal);
    return signals;
}

} // namespace

InterruptibleDemo::InterruptibleDemo()
{
    const sigset_t signals = awaitedSignals();
    pthread_sigmask(SIG_BLOCK, &signals, &m_previousMask);
    m_waiter = std::thread([this] { waitForSignals(); });
}

InterruptibleDemo::~InterruptibleDemo()
{
    {
        const std::lock_guard lock(m_mutex);
        m_demo.reset();
        m_linuxDemo.reset();
    }
    m_stopping.store(true);
    pthread_kill(m_waiter.native_handle(), StopSignal);
    m_waiter.join();
    pthread_sigmask(SIG_SETMASK, &m_previousMask, nullptr);
}

const DemoHome &InterruptibleDemo::make()
{
    const std::lock_guard lock(m_mutex);
    m_demo = std::make_unique<DemoHome>();
    return *m_demo;
}

const LinuxDemoHome &InterruptibleDemo::makeLinux()
{
    const std::lock_guard lock(m_mutex);
    m_linuxDemo = std::make_unique<LinuxDemoHome>();
    return *m_linuxDemo;
}

void InterruptibleDemo::waitForSignals()
{
    const sigset_t signals = awaitedSignals();
    for (;;) {
        int signal = 0;
        if (sigwait(&signals, &signal) != 0)
            continue;
        if (signal == StopSignal) {
            if (m_stopping.load())
                return;
            continue;
        }
        {
            // Waits for a demo being made to be complete, so that all of it is removed.
            const std::lock_guard lock(m_mutex);
            m_demo.reset();
            m_linuxDemo.reset();
            m_linuxDemo.reset();
        }
        struct sigaction standard {};
        standard.sa_handler = SIG_DFL;
        sigemptyset(&standard.sa_mask);
        sigaction(signal, &standard, nullptr);
        sigset_t only;
        sigemptyset(&only);
        sigaddset(&only, signal);
        pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
        raise(signal);
        _exit(128 + signal);
    }
}
