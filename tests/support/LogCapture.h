// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/DiagnosticLog.h"

#include <QStringList>
#include <mutex>

// Collects the diagnostic lines written while it lives.
class LogCapture {
public:
    LogCapture()
    {
        m_previous = DiagnosticLog::setSink([this](const QString &line) {
            std::lock_guard lock(m_mutex);
            m_lines.append(line);
        });
    }
    ~LogCapture() { DiagnosticLog::setSink(std::move(m_previous)); }
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    QStringList lines() const
    {
        std::lock_guard lock(m_mutex);
        return m_lines;
    }

private:
    mutable std::mutex m_mutex;
    QStringList m_lines;
    DiagnosticLog::Sink m_previous;
};
