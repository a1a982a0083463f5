// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// Mounts that only a child process sees: it gets a mount namespace of its own, so they vanish with it.
// Not every system offers one (a container may lack the right, other systems have none).
bool privateMountsAvailable();
// Runs `work` in a child process in which `source` is bind-mounted on `target`, which the system treats as another
// file system for renames, and returns what `work` wrote; absent when the mount or the child failed.
std::optional<std::string> withBindMount(const std::filesystem::path &source, const std::filesystem::path &target,
                                         const std::function<std::string()> &work);
