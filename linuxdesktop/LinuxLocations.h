// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scanner/ScanLocation.h"

#include <QString>
#include <optional>
#include <vector>

class Platform;

// The folders of a Linux home that applications leave things in, in the order they are scanned; the last is
// the home itself, for the dot-folders and dot-files directly in it.
class LinuxLocations {
public:
    static std::vector<ScanLocation> scanLocations(const Platform &platform);
    // Why the location's folder must not be listed, in words that follow "FOLDER was not scanned: ": it is a
    // symbolic link, or resolves to the home or outside it. Absent when it may be listed, and when nothing is there.
    static std::optional<LocationRefusal> refusal(const ScanLocation &location, const Platform &platform);
    // Whether an entry of the location is one to list at all: the desktop's own names never are (those its
    // components' patterns match are left to LinuxOwnerIdentifier::isDesktopComponent), the entry folders hold
    // only their entry files, and of the home only the dot-folders and dot-files count.
    static bool isCandidate(const ScanLocation &location, const QString &name, bool isDirectory);
};
