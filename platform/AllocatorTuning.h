// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Settings of the system's memory allocator for a program that builds many small, long-lived records on several
// threads. Called once, first thing in main.
class AllocatorTuning {
public:
    static void apply();
};
