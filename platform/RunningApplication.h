#pragma once

#include <QString>
#include <filesystem>
#include <optional>

struct RunningApplication {
    std::optional<QString> bundleIdentifier;
    std::optional<std::filesystem::path> bundlePath;
    std::optional<QString> localizedName;
};
