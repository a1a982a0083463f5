#pragma once

#include <QByteArray>
#include <filesystem>
#include <optional>

// Reads a small file without leaving a new access date on it: opened with O_NOATIME where the file is the
// caller's, else its old access date is put back after reading.
class UntouchedFile {
public:
    // Absent when the file cannot be opened or is larger than `maximumSize`.
    static std::optional<QByteArray> read(const std::filesystem::path &path, qint64 maximumSize);
};
