#pragma once

#include "scanner/ScanLocation.h"

#include <vector>

class Platform;

// The folders of a Linux home that applications leave things in, in the order they are scanned; the last is
// the home itself, for the dot-folders directly in it.
class LinuxLocations {
public:
    static std::vector<ScanLocation> scanLocations(const Platform &platform);
};
