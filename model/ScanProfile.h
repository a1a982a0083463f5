#pragma once

#include "model/RemnantCategory.h"

#include <QString>
#include <filesystem>
#include <optional>
#include <span>

// Which kind of home a scan looks at: a Mac's Library folders, or a Linux desktop's own folders against the
// software installed there.
enum class ScanProfile { mac, linuxDesktop };

// "mac" or "linux", as the command lines take it.
QString rawValue(ScanProfile profile);
std::optional<ScanProfile> scanProfileNamed(const QString &name);
// The categories a scan with the profile finds, in the order they are shown.
std::span<const RemnantCategory> categories(ScanProfile profile);
// The Mac profile on macOS and for a home with a Library entry, the Linux profile otherwise.
ScanProfile automaticScanProfile(const std::filesystem::path &home);
