// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PrivateMount.h"

#include "Unprivileged.h"

#include <sched.h>
#include <sys/mount.h>

namespace {

bool enterPrivateNamespace()
{
    return unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

} // namespace

bool privateMountsAvailable()
{
    bool prepared = false;
    runInChild(
        enterPrivateNamespace, [] { return std::string(); }, &prepared);
    return prepared;
}

std::optional<std::string> withBindMount(const std::filesystem::path &source, const std::filesystem::path &target,
                                         const std::function<std::string()> &work)
{
    return runInChild(
        [&] {
            return enterPrivateNamespace() && mount(source.c_str(), target.c_str(), nullptr, MS_BIND, nullptr) == 0;
        },
        work);
}
