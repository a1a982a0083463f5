// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MacTreeGeneratorText.h"

#include <string>

namespace MacTreeText {

namespace {

// The letters with diacritics that the name lists produce, folded to ASCII for identifiers.
std::string asciiFolded(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == 0xC3 && i + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[i + 1]);
            ++i;
            switch (next) {
            case 0xA9:
                result += 'e';
                break; // é
            case 0x9C:
                result += 'U';
                break; // Ü
            case 0xBC:
                result += 'u';
                break; // ü
            case 0xB6:
                result += 'o';
                break; // ö
            default:
                break;
            }
            continue;
        }
        result += static_cast<char>(c);
    }
    return result;
}

} // namespace

std::string lower(std::string_view text)
{
    std::string result(text);
    for (char &c : result) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

std::string capitalized(std::string_view text)
{
    std::string result(text);
    if (!result.empty() && result[0] >= 'a' && result[0] <= 'z')
        result[0] = static_cast<char>(result[0] - 'a' + 'A');
    return result;
}

// "Photo Forge Pro" -> "PhotoForgePro": ASCII letters and digits only.
std::string compact(std::string_view name)
{
    std::string result;
    for (char c : asciiFolded(name)) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            result += c;
    }
    return result;
}

// "Photo Forge Pro" -> "photo-forge-pro"
std::string dashed(std::string_view name)
{
    std::string result;
    for (char c : lower(asciiFolded(name))) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            result += c;
        } else if ((c == ' ' || c == '-') && !result.empty() && result.back() != '-') {
            result += '-';
        }
    }
    while (!result.empty() && result.back() == '-')
        result.pop_back();
    return result;
}

bool endsWith(std::string_view text, std::string_view ending)
{
    return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

// A name that is still free in a folder: "name 2", or "stem-2.ext" for names with a known extension.
std::string numberedVariant(const std::string &name, int number)
{
    static constexpr std::string_view extensions[] = {".plist", ".savedState", ".pkg", ".framework",
                                                      ".jdk",   ".jre",        ".log"};
    for (std::string_view extension : extensions) {
        if (endsWith(name, extension)) {
            const std::string stem = name.substr(0, name.size() - extension.size());
            return stem + "-" + std::to_string(number) + std::string(extension);
        }
    }
    return name + " " + std::to_string(number);
}

std::string isoDate(std::time_t time)
{
    std::tm parts{};
    gmtime_r(&time, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}

PropertyListWriter stringArray(const std::vector<std::string> &values)
{
    PropertyListWriter list = PropertyListWriter::array();
    for (const auto &value : values)
        list.appendString(value);
    return list;
}

} // namespace MacTreeText
