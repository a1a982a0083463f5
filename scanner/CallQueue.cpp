// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/CallQueue.h"

#include "platform/CloseOnExecPipe.h"

#include <QSocketNotifier>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

struct CallQueue::Shared {
    std::mutex mutex;
    std::vector<std::function<void()>> calls;
    // The pipe that wakes the object's thread; one byte in it while calls wait.
    int readEnd = -1;
    int writeEnd = -1;
    bool woken = false;

    ~Shared()
    {
        for (const int fd : {readEnd, writeEnd}) {
            if (fd >= 0)
                ::close(fd);
        }
    }
};

CallQueue::CallQueue(QObject *target)
    : m_shared(std::make_shared<Shared>())
{
    int ends[2] = {-1, -1};
    CloseOnExecPipe::open(ends, O_NONBLOCK);
    m_shared->readEnd = ends[0];
    m_shared->writeEnd = ends[1];
    m_notifier = std::make_unique<QSocketNotifier>(qintptr(m_shared->readEnd), QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, target, [this] { runQueued(); });
}

CallQueue::~CallQueue() = default;

void CallQueue::post(std::function<void()> call) const
{
    const std::lock_guard lock(m_shared->mutex);
    m_shared->calls.push_back(std::move(call));
    if (!std::exchange(m_shared->woken, true)) {
        const char wake = 1;
        while (::write(m_shared->writeEnd, &wake, 1) < 0 && errno == EINTR) {
        }
    }
}

void CallQueue::runQueued()
{
    std::vector<std::function<void()>> calls;
    {
        const std::lock_guard lock(m_shared->mutex);
        char drained[16];
        while (::read(m_shared->readEnd, drained, sizeof drained) > 0) {
        }
        calls.swap(m_shared->calls);
        m_shared->woken = false;
    }
    for (std::function<void()> &call : calls)
        call();
}
