#pragma once

#include <QDateTime>
#include <filesystem>
#include <optional>

// One item of a Trash folder with where it came from, as its restore information tells.
struct TrashEntry {
    std::filesystem::path trashedPath;
    std::filesystem::path originalPath;
    std::optional<QDateTime> deletionDate;
};
