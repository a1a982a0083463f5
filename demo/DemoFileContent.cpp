// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "demo/DemoFileContent.h"

#include <algorithm>
#include <cstring>

namespace {

class Noise {
public:
    explicit Noise(std::uint64_t seed)
        : m_state(seed | 1)
    {}
    std::uint64_t next()
    {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return m_state * 2685821657736338717ull;
    }
    std::size_t below(std::size_t bound) { return std::size_t(next() % bound); }

private:
    std::uint64_t m_state;
};

} // namespace

std::uint64_t DemoFileContent::hashOf(std::string_view text)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= std::uint8_t(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string DemoFileContent::binary(std::size_t size, std::uint64_t seed, std::string_view header)
{
    std::string bytes(std::max(size, header.size()), '\0');
    header.copy(bytes.data(), header.size());
    Noise noise(seed);
    for (std::size_t at = header.size(); at < bytes.size(); at += sizeof(std::uint64_t)) {
        const std::uint64_t word = noise.next();
        std::memcpy(bytes.data() + at, &word, std::min(sizeof word, bytes.size() - at));
    }
    return bytes;
}

std::string DemoFileContent::text(std::size_t size, std::uint64_t seed)
{
    static constexpr std::string_view Lines[] = {
        "[info] sync finished, {} items up to date",
        "[info] window restored at 1280x800",
        "[debug] cache hit ratio {}%",
        "[warn] request timed out, retrying (attempt {})",
        "[info] extension host started in {} ms",
        "[info] checking for updates",
        "[error] connection reset by peer, reconnecting in {} s",
    };
    std::string text;
    Noise noise(seed);
    for (int line = 1; text.size() < size; ++line) {
        std::string entry(Lines[noise.below(std::size(Lines))]);
        if (const auto at = entry.find("{}"); at != std::string::npos)
            entry.replace(at, 2, std::to_string(noise.below(500) + 1));
        text += std::to_string(line) + " " + entry + "\n";
    }
    text.resize(size);
    return text;
}

std::string DemoFileContent::json(std::size_t size, std::uint64_t seed)
{
    std::string json = "{\n  \"version\": 3,\n  \"entries\": [\n";
    Noise noise(seed);
    for (int item = 1; json.size() + 40 < size; ++item) {
        json += "    {\"id\": " + std::to_string(item) + ", \"value\": \"" +
                std::to_string(noise.next() % 1000000007ull) + "\"},\n";
    }
    json += "    {\"id\": 0}\n  ]\n}\n";
    return json;
}

PropertyListWriter DemoFileContent::settings(std::string_view identifier, std::size_t size, std::int64_t lastUse)
{
    const std::uint64_t seed = hashOf(identifier);
    PropertyListWriter dictionary = PropertyListWriter::dictionary();
    dictionary.setString("NSWindow Frame MainWindow", "412 231 1280 800 0 0 2056 1285 ")
        .setString("NSNavLastRootDirectory", "~/Documents")
        .set("SUEnableAutomaticChecks", PropertyListWriter::boolean(true))
        .set("SUHasLaunchedBefore", PropertyListWriter::boolean(true))
        .set("SULastCheckTime", PropertyListWriter::date(lastUse))
        .set("LaunchCount", PropertyListWriter::integer(std::int64_t(seed % 900 + 3)));
    PropertyListWriter recent = PropertyListWriter::array();
    bool anyRecent = false;
    static constexpr std::string_view Projects[] = {"Budget", "Website", "Thesis", "Holiday", "Invoices", "Garden"};
    for (std::size_t used = 300, item = 0; used < size && item < 24; used += 48, ++item, anyRecent = true)
        recent.appendString("~/Documents/" + std::string(Projects[(seed + item) % std::size(Projects)]) + "/draft " +
                            std::to_string(item + 1) + ".txt");
    if (anyRecent)
        dictionary.set("RecentDocuments", std::move(recent));
    return dictionary;
}

std::string DemoFileContent::forFile(std::string_view fileName, std::size_t size, std::uint64_t seed,
                                     std::int64_t lastUse)
{
    if (fileName.ends_with(".plist"))
        return settings(fileName, size, lastUse).xml();
    if (fileName.ends_with(".json") || fileName.ends_with("-settings") || fileName.ends_with("_session") ||
        fileName == "Preferences" || fileName == "Local State" || fileName == "prefs")
        return json(size, seed);
    if (fileName.ends_with(".sqlite") || fileName.ends_with(".db") || fileName.ends_with(".abcddb") ||
        fileName.ends_with(".storedata") || fileName == "History" || fileName == "Cookies")
        return binary(size, seed, std::string_view("SQLite format 3\0", 16));
    if (fileName.ends_with(".tar.gz"))
        return binary(size, seed, "\x1f\x8b\x08");
    if (fileName.ends_with(".docx"))
        return binary(size, seed, std::string_view("PK\x03\x04\x14\x00\x06\x00", 8));
    if (fileName.ends_with(".pdf"))
        return binary(size, seed, "%PDF-1.7\n");
    if (fileName.ends_with(".jpg"))
        return binary(size, seed, std::string_view("\xff\xd8\xff\xe0\x00\x10JFIF\x00", 11));
    if (fileName == "wallet.dat")
        return binary(size, seed,
                      std::string_view("\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x62\x31\x05\x00", 16));
    if (fileName.ends_with(".eml")) {
        const std::string header = "From: Demo <demo@mail.example.org>\nDate: Mon, 8 Jan 2024 10:00:00 +0100\n"
                                   "Subject: Receipt\n\n";
        return header + text(size > header.size() ? size - header.size() : 0, seed);
    }
    static constexpr std::string_view TextEndings[] = {".log",  ".txt",    ".ini",  ".js",   ".xml",       ".md",
                                                       ".conf", ".vdf",    ".xspf", ".enml", ".configure", ".make",
                                                       ".code", "CURRENT", ".keep", ".info"};
    for (const std::string_view ending : TextEndings) {
        if (fileName.ends_with(ending))
            return text(size, seed);
    }
    return binary(size, seed);
}

std::string DemoFileContent::uuid(std::uint64_t seed)
{
    static constexpr char Digits[] = "0123456789ABCDEF";
    Noise noise(seed);
    std::string text;
    for (int i = 0; i < 32; ++i) {
        if (i == 8 || i == 12 || i == 16 || i == 20)
            text += '-';
        text += Digits[noise.below(16)];
    }
    return text;
}
