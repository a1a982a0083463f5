#pragma once

// Settings of the system's memory allocator for a program that builds many small, long-lived records on several
// threads. Called once, first thing in main.
class AllocatorTuning {
public:
    static void apply();
};
