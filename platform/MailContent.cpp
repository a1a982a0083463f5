// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/MailContent.h"

#include "platform/AsciiCase.h"

#include <algorithm>
#include <array>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isMonth(std::string_view word)
{
    static constexpr std::array<std::string_view, 12> Months{"jan", "feb", "mar", "apr", "may", "jun",
                                                             "jul", "aug", "sep", "oct", "nov", "dec"};
    return std::any_of(Months.begin(), Months.end(),
                       [word](std::string_view month) { return AsciiCase::equalsLower(word, month); });
}

bool isWeekday(std::string_view word)
{
    static constexpr std::array<std::string_view, 7> Days{"mon", "tue", "wed", "thu", "fri", "sat", "sun"};
    return std::any_of(Days.begin(), Days.end(),
                       [word](std::string_view day) { return AsciiCase::equalsLower(word, day); });
}

bool isDay(std::string_view word)
{
    return !word.empty() && word.size() <= 2 && std::all_of(word.begin(), word.end(), isDigit);
}

// +0100, -0500, UTC, GMT, CEST.
bool isZone(std::string_view word)
{
    if (word.size() == 5 && (word[0] == '+' || word[0] == '-'))
        return std::all_of(word.begin() + 1, word.end(), isDigit);
    return word.size() >= 3 && word.size() <= 4 &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// h:mm, hh:mm or either with :ss.
bool isTime(std::string_view word)
{
    const std::size_t colon = word.find(':');
    if (colon == 0 || colon > 2 || word.size() < colon + 3)
        return false;
    for (std::size_t at = 0; at < word.size(); ++at) {
        const bool separator = at == colon || at == colon + 3;
        if (separator ? word[at] != ':' : !isDigit(word[at]))
            return false;
    }
    return word.size() == colon + 3 || word.size() == colon + 6;
}

bool isYear(std::string_view word)
{
    return word.size() == 4 && (word[0] == '1' || word[0] == '2') && std::all_of(word.begin(), word.end(), isDigit);
}

std::string_view firstLine(std::string_view bytes)
{
    std::string_view line = bytes.substr(0, bytes.find('\n'));
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    return line;
}

} // namespace

bool MailContent::isMailbox(std::string_view bytes)
{
    if (!bytes.starts_with("From "))
        return false;
    std::string_view rest = firstLine(bytes).substr(5);
    const std::size_t senderEnd = rest.find_first_of(" \t");
    if (senderEnd == 0 || senderEnd == std::string_view::npos)
        return false;
    rest.remove_prefix(senderEnd);
    // Every word of the date must be one a date is written with.
    bool month = false;
    bool time = false;
    bool year = false;
    while (!rest.empty()) {
        const std::size_t start = rest.find_first_not_of(" \t,");
        if (start == std::string_view::npos)
            break;
        rest.remove_prefix(start);
        const std::size_t end = std::min(rest.find_first_of(" \t,"), rest.size());
        const std::string_view word = rest.substr(0, end);
        rest.remove_prefix(end);
        if (word.size() == 3 && isMonth(word))
            month = true;
        else if (isTime(word))
            time = true;
        else if (isYear(word))
            year = true;
        else if (!isWeekday(word) && !isDay(word) && !isZone(word))
            return false;
    }
    return month && time && year;
}

bool MailContent::isMessage(std::string_view bytes)
{
    if (bytes.starts_with("\xef\xbb\xbf"))
        bytes.remove_prefix(3);
    // Fields that only a message starts with: who sent it, when, and the traces of its delivery.
    static constexpr std::array<std::string_view, 6> Anchors{"from",     "date",        "message-id",
                                                             "received", "return-path", "delivered-to"};
    bool anchored = false;
    int fields = 0;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        // The last line read may be cut short; it is not judged.
        if (end == std::string_view::npos)
            break;
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.empty())
            break;
        if (line[0] == ' ' || line[0] == '\t') {
            if (fields == 0)
                return false;
            continue;
        }
        const std::size_t colon = line.find(':');
        if (colon == 0 || colon == std::string_view::npos)
            return false;
        const std::string_view name = line.substr(0, colon);
        if (std::any_of(name.begin(), name.end(), [](char c) { return c <= ' ' || c > '~'; }))
            return false;
        ++fields;
        anchored = anchored || std::any_of(Anchors.begin(), Anchors.end(), [name](std::string_view anchor) {
                       return AsciiCase::equalsLower(name, anchor);
                   });
    }
    return anchored && fields >= 2;
}
