#pragma once

#include <QString>
#include <filesystem>

// What became of an item that was to go to the Trash: where it went, or why it did not.
struct TrashOutcome {
    bool success = false;
    std::filesystem::path trashedPath;
    QString errorDescription;
};
