// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <cstdint>

// A package that a package manager removed, and what says so.
struct RemovedPackage {
    enum class Record : std::uint8_t {
        // The settings dpkg keeps of a package removed but not purged.
        dpkgDatabase,
        dpkgLog,
        aptHistory,
        dnfLog,
        pacmanLog,
    };

    QString name;
    // The day it was removed, as "2026-11-02"; empty when only the kept settings tell of it.
    QString date;
    // Where it was read.
    Record record = Record::dpkgDatabase;
};
