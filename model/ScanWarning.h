// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/LocationRefusal.h"
#include "platform/XdgBaseFolders.h"

#include <filesystem>
#include <variant>

// Something a scan passed over, and why, in the order met: a scan location's folder that was not listed, or a base
// folder that the environment names outside the home, for the window and the command line to tell in their own words.
struct ScanWarning {
    struct NotScanned {
        std::filesystem::path folder;
        LocationRefusal reason;
        bool operator==(const NotScanned &) const = default;
    };

    std::variant<NotScanned, XdgBaseFolders::PassedOver> what;

    bool operator==(const ScanWarning &) const = default;
};
