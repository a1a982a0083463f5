// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>

// The cases of an enumeration in declaration order. Only enumerations with a fixed list of cases specialise it.
template <typename Enumeration> std::span<const Enumeration> allCases() = delete;
