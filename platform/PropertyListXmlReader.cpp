// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PropertyListXmlReader.h"

#include "platform/TextLimits.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isBase64(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || isDigit(c) || c == '+' || c == '/';
}

// The keys of one dictionary; most dictionaries are small enough to be searched in turn.
class KeySet {
public:
    // False when the key is there already.
    bool insert(const std::string &key)
    {
        if (m_large.empty()) {
            if (std::find(m_small.begin(), m_small.end(), key) != m_small.end())
                return false;
            m_small.push_back(key);
            if (m_small.size() > 32)
                m_large.insert(m_small.begin(), m_small.end());
            return true;
        }
        return m_large.insert(key).second;
    }

private:
    std::vector<std::string> m_small;
    std::unordered_set<std::string> m_large;
};

class Reader {
public:
    explicit Reader(std::string_view bytes)
        : m_bytes(bytes)
    {}

    std::optional<PropertyListXmlReader::Contents> document()
    {
        if (m_bytes.find('\0') != std::string_view::npos)
            return std::nullopt;
        skipSpace();
        if (consume("<?xml")) {
            const auto end = m_bytes.find("?>", m_position);
            if (end == std::string_view::npos)
                return std::nullopt;
            m_position = end + 2;
            skipSpace();
        }
        if (consume("<!DOCTYPE")) {
            const auto end = m_bytes.find('>', m_position);
            if (end == std::string_view::npos ||
                m_bytes.substr(m_position, end - m_position).find_first_of("[<") != std::string_view::npos)
                return std::nullopt;
            m_position = end + 1;
            skipSpace();
        }
        if (!consume("<plist"))
            return std::nullopt;
        if (peek() == '>') {
            ++m_position;
        } else {
            if (!isSpace(peek()))
                return std::nullopt;
            const auto end = m_bytes.find('>', m_position);
            if (end == std::string_view::npos ||
                m_bytes.substr(m_position, end - m_position).find_first_of("</") != std::string_view::npos)
                return std::nullopt;
            m_position = end + 1;
        }
        skipSpace();
        if (!value(0))
            return std::nullopt;
        skipSpace();
        if (!consume("</plist>"))
            return std::nullopt;
        skipSpace();
        if (m_position != m_bytes.size())
            return std::nullopt;
        return std::move(m_contents);
    }

private:
    static constexpr int MaximumDepth = 256;

    char peek() const { return m_position < m_bytes.size() ? m_bytes[m_position] : '\0'; }

    bool consume(std::string_view text)
    {
        if (m_bytes.substr(m_position, text.size()) != text)
            return false;
        m_position += text.size();
        return true;
    }

    void skipSpace()
    {
        while (m_position < m_bytes.size() && isSpace(m_bytes[m_position]))
            ++m_position;
    }

    // The raw text up to the next '<', which must start `closing`.
    std::optional<std::string_view> textUntil(std::string_view closing)
    {
        const auto end = m_bytes.find('<', m_position);
        if (end == std::string_view::npos)
            return std::nullopt;
        const std::string_view text = m_bytes.substr(m_position, end - m_position);
        m_position = end;
        if (!consume(closing))
            return std::nullopt;
        return text;
    }

    // Text with the five named entities replaced; any other '&' is left to the full parser.
    static std::optional<std::string> decoded(std::string_view text)
    {
        std::string result;
        result.reserve(text.size());
        for (std::size_t i = 0; i < text.size();) {
            const auto amp = text.find('&', i);
            if (amp == std::string_view::npos) {
                result.append(text.substr(i));
                break;
            }
            result.append(text.substr(i, amp - i));
            const std::string_view rest = text.substr(amp);
            static constexpr std::pair<std::string_view, char> Entities[] = {
                {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
            bool known = false;
            for (const auto &[entity, character] : Entities) {
                if (rest.starts_with(entity)) {
                    result.push_back(character);
                    i = amp + entity.size();
                    known = true;
                    break;
                }
            }
            if (!known)
                return std::nullopt;
        }
        return result;
    }

    std::optional<std::string> stringContent(std::string_view closing)
    {
        const auto text = textUntil(closing);
        if (!text)
            return std::nullopt;
        return decoded(*text);
    }

    static bool isInteger(std::string_view text)
    {
        if (!text.empty() && (text.front() == '-' || text.front() == '+'))
            text.remove_prefix(1);
        return !text.empty() && text.size() <= 18 && std::all_of(text.begin(), text.end(), isDigit);
    }

    static bool isReal(std::string_view text)
    {
        return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
            return isDigit(c) || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
        });
    }

    // YYYY-MM-DDTHH:MM:SSZ
    static bool isDate(std::string_view text)
    {
        static constexpr std::string_view Pattern = "dddd-dd-ddTdd:dd:ddZ";
        if (text.size() != Pattern.size())
            return false;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (Pattern[i] == 'd' ? !isDigit(text[i]) : text[i] != Pattern[i])
                return false;
        }
        return true;
    }

    // Base64 without line breaks, padded to whole groups of four.
    static bool isData(std::string_view text)
    {
        if (text.size() % 4 != 0)
            return false;
        std::size_t padding = 0;
        while (padding < 2 && padding < text.size() && text[text.size() - 1 - padding] == '=')
            ++padding;
        return std::all_of(text.begin(), text.end() - std::ptrdiff_t(padding), isBase64);
    }

    bool simpleValue(std::string_view name, bool (*accepts)(std::string_view))
    {
        const std::string closing = "</" + std::string(name) + ">";
        const auto text = textUntil(closing);
        return text && accepts(*text);
    }

    // One value, its string values appended in document order. `depth` counts the containers around it.
    bool value(int depth)
    {
        if (depth > MaximumDepth)
            return false;
        if (consume("<string>")) {
            auto text = stringContent("</string>");
            if (!text)
                return false;
            if (text->size() <= TextLimits::MaximumValueBytes)
                m_contents.strings.push_back(std::move(*text));
            return true;
        }
        if (consume("<string/>")) {
            m_contents.strings.emplace_back();
            return true;
        }
        if (consume("<dict>"))
            return dictionary(depth);
        if (consume("<array>")) {
            for (;;) {
                skipSpace();
                if (consume("</array>"))
                    return true;
                if (!value(depth + 1))
                    return false;
            }
        }
        if (consume("<dict/>") || consume("<array/>") || consume("<true/>") || consume("<false/>"))
            return true;
        if (consume("<integer>"))
            return simpleValue("integer", isInteger);
        if (consume("<real>"))
            return simpleValue("real", isReal);
        if (consume("<date>"))
            return simpleValue("date", isDate);
        if (consume("<data>"))
            return simpleValue("data", isData);
        return false;
    }

    bool dictionary(int depth)
    {
        const bool isRoot = depth == 0;
        if (isRoot)
            m_contents.rootIsDictionary = true;
        KeySet keys;
        for (;;) {
            skipSpace();
            if (consume("</dict>"))
                return true;
            std::optional<std::string> key;
            if (consume("<key>"))
                key = stringContent("</key>");
            else if (consume("<key/>"))
                key = std::string();
            if (!key || !keys.insert(*key))
                return false;
            skipSpace();
            const std::size_t stringsBefore = m_contents.strings.size();
            const bool isString = m_bytes.substr(m_position).starts_with("<string");
            if (!value(depth + 1))
                return false;
            if (isRoot && isString && m_contents.strings.size() == stringsBefore + 1)
                m_contents.rootStrings.emplace_back(*key, m_contents.strings.back());
        }
    }

    std::string_view m_bytes;
    std::size_t m_position = 0;
    PropertyListXmlReader::Contents m_contents;
};

} // namespace

std::optional<PropertyListXmlReader::Contents> PropertyListXmlReader::read(std::string_view bytes)
{
    return Reader(bytes).document();
}
