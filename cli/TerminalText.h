#pragma once

#include <QByteArray>
#include <filesystem>

// Paths in the messages on standard error: their exact bytes, but for control characters, which are written as
// \xNN so that a name cannot break the line or steer the terminal.
class TerminalText {
public:
    static QByteArray path(const std::filesystem::path &path);
};
