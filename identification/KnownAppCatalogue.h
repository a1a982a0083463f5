// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "identification/KnownApp.h"

#include <span>

// The applications the identification recognises by a keyword in an entry's name, with the display name and
// bundle identifier reported for them, in lookup order. Read once from the program's KnownApps.tsv.
class KnownAppCatalogue {
public:
    static std::span<const KnownApp> rows();
};
