// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/XdgBaseFolders.h"

#include <QString>
#include <variant>

// Something a scan passed over, and why, in the order met. A scan location's folder that was not listed comes as the
// one line the scan logged; a base folder that the environment names outside the home, as what it was, for the window
// and the command line to tell in their own words.
struct ScanWarning {
    std::variant<QString, XdgBaseFolders::PassedOver> what;

    bool operator==(const ScanWarning &) const = default;
};
