// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>

// Sets an environment variable, or takes it out for nothing, until the end of the scope.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char *name, const std::optional<QByteArray> &value)
        : m_name(name)
        , m_old(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt)
    {
        value ? qputenv(name, *value) : qunsetenv(name);
    }
    ~ScopedEnvironment() { m_old ? qputenv(m_name, *m_old) : qunsetenv(m_name); }
    Q_DISABLE_COPY(ScopedEnvironment)

private:
    const char *m_name;
    std::optional<QByteArray> m_old;
};
