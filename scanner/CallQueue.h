// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class QObject;
class QSocketNotifier;

// Hands calls from other threads to the thread of one object, in the order they were queued, from its event loop.
// The calls pass under a lock that every thread shares, and the object's thread is woken through a pipe, so that
// whatever a thread wrote before it queued a call is there, whole, when the call runs, and no object made on one
// thread is freed on another. Made on the object's thread; calls still queued when it goes are dropped.
class CallQueue {
public:
    explicit CallQueue(QObject *target);
    ~CallQueue();
    CallQueue(const CallQueue &) = delete;
    CallQueue &operator=(const CallQueue &) = delete;

    // From any thread, as long as the queue exists.
    void post(std::function<void()> call) const;

private:
    struct Shared;

    void runQueued();

    std::shared_ptr<Shared> m_shared;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
