// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Clock.h"

#include <mutex>

namespace {

std::mutex &fixedMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::optional<QDateTime> &fixedInstant()
{
    static std::optional<QDateTime> instant;
    return instant;
}

} // namespace

QDateTime Clock::now()
{
    {
        std::lock_guard lock(fixedMutex());
        if (fixedInstant())
            return *fixedInstant();
    }
    return QDateTime::currentDateTimeUtc();
}

std::optional<QDateTime> Clock::fixedNow()
{
    std::lock_guard lock(fixedMutex());
    return fixedInstant();
}

void Clock::setFixedNow(std::optional<QDateTime> instant)
{
    if (instant)
        instant = instant->toUTC();
    std::lock_guard lock(fixedMutex());
    fixedInstant() = std::move(instant);
}

Clock::Override::Override(const QDateTime &instant)
    : m_previous(fixedNow())
{
    setFixedNow(instant);
}

Clock::Override::~Override()
{
    setFixedNow(std::move(m_previous));
}
