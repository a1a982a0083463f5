#pragma once

#include "model/RemnantCategory.h"

#include <filesystem>
#include <vector>

class Platform;

// One Library folder the scan lists, and the category of what it finds there.
struct ScanLocation {
    struct ScanPath {
        std::filesystem::path url;
    };

    ScanPath path;
    RemnantCategory category = RemnantCategory::other;
    bool recursive = false;

    // The ten folders of every scan, in the order they are scanned.
    static std::vector<ScanLocation> scanLocations(const Platform &platform);
};
