// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>

// Runs `work` in a child process, after `prepare` has set the child up, and returns what `work` wrote.
// `prepared` tells whether the set-up succeeded; nothing is returned when it failed or the child failed.
std::optional<std::string> runInChild(const std::function<bool()> &prepare, const std::function<std::string()> &work,
                                      bool *prepared = nullptr);

// The user that a child of a test run as root becomes: nobody.
constexpr uid_t UnprivilegedUser = 65534;

// Runs `work` in a child process that has given up root, so that folder permissions apply as they do for a
// user. As a normal user it runs in the child all the same.
std::optional<std::string> runUnprivileged(const std::function<std::string()> &work);
