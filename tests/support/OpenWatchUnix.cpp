// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OpenWatch.h"

#include <sys/inotify.h>
#include <unistd.h>

OpenWatch::OpenWatch(const std::filesystem::path &path)
    : m_descriptor(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
{
    if (m_descriptor >= 0 && inotify_add_watch(m_descriptor, path.c_str(), IN_OPEN | IN_DONT_FOLLOW) < 0) {
        close(m_descriptor);
        m_descriptor = -1;
    }
}

OpenWatch::~OpenWatch()
{
    if (m_descriptor >= 0)
        close(m_descriptor);
}

std::optional<bool> OpenWatch::opened() const
{
    if (m_descriptor < 0)
        return std::nullopt;
    alignas(inotify_event) char buffer[4096];
    const ssize_t got = read(m_descriptor, buffer, sizeof buffer);
    return got > 0;
}
