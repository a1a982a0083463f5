// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/TrashInfo.h"

#include "platform/PathNames.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Info files are a few lines; anything larger is not one.
constexpr std::size_t MaximumInfoBytes = 64 * 1024;

// Every byte except unreserved URI characters and the slash is written as %XX, so any name, whatever its
// encoding, survives the line-based info file.
std::string percentEncoded(std::string_view bytes)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                           (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' || byte == '~' ||
                           byte == '/';
        if (plain) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += Hex[byte >> 4];
            encoded += Hex[byte & 0xF];
        }
    }
    return encoded;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The bytes of a percent-encoded text; absent for a broken escape or a NUL byte, encoded or not, which no path holds.
std::optional<std::string> percentDecoded(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\0')
            return std::nullopt;
        if (text[i] != '%') {
            bytes += text[i];
            continue;
        }
        const int high = i + 2 < text.size() ? hexValue(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? hexValue(text[i + 2]) : -1;
        if (high < 0 || low < 0 || (high == 0 && low == 0))
            return std::nullopt;
        bytes += char(high * 16 + low);
        i += 2;
    }
    return bytes;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string TrashInfo::text() const
{
    return "[Trash Info]\nPath=" + percentEncoded(path) + "\nDeletionDate=" + deletionDate + "\n";
}

std::optional<QDateTime> TrashInfo::deletedAt() const
{
    const QDateTime date =
        QDateTime::fromString(QString::fromLatin1(deletionDate.data(), qsizetype(deletionDate.size())), Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<fs::path> TrashInfo::originalPath(const fs::path &base) const
{
    fs::path original(path);
    if (!original.is_absolute()) {
        for (const fs::path &part : original) {
            if (part == "..")
                return std::nullopt;
        }
        original = base / original;
    }
    std::string bytes = original.native();
    while (bytes.size() > 1 && bytes.back() == '/')
        bytes.pop_back();
    original = fs::path(bytes);
    if (!PathNames::isEntryName(original.filename().native()))
        return std::nullopt;
    return original;
}

std::optional<TrashInfo> TrashInfo::parse(std::string_view text)
{
    std::optional<std::string> path;
    std::optional<std::string> date;
    bool inGroup = false;
    bool sawGroup = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == '#')
            continue;
        if (line.front() == '[') {
            inGroup = line == "[Trash Info]" && !sawGroup;
            sawGroup = sawGroup || inGroup;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inGroup || equals == std::string_view::npos)
            continue;
        const std::string_view key = trimmed(line.substr(0, equals));
        const std::string_view value = trimmed(line.substr(equals + 1));
        if (key == "Path" && !path) {
            path = percentDecoded(value);
            if (!path || path->empty())
                return std::nullopt;
        } else if (key == "DeletionDate" && !date) {
            date = std::string(value);
        }
    }
    if (!path)
        return std::nullopt;
    return TrashInfo{std::move(*path), date.value_or(std::string())};
}

std::optional<TrashInfo> TrashInfo::read(int folder, const std::string &name)
{
    const int fd = openat(folder, name.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    std::string text;
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && std::size_t(info.st_size) <= MaximumInfoBytes) {
        char buffer[4096];
        ssize_t got;
        while (text.size() <= MaximumInfoBytes && (got = ::read(fd, buffer, sizeof buffer)) != 0) {
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                text.clear();
                break;
            }
            text.append(buffer, std::size_t(got));
        }
    }
    close(fd);
    if (text.empty() || text.size() > MaximumInfoBytes)
        return std::nullopt;
    return parse(text);
}
