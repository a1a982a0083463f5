#include "cli/TerminalText.h"

QByteArray TerminalText::path(const std::filesystem::path &path)
{
    static constexpr char Hex[] = "0123456789abcdef";
    QByteArray text;
    for (const char c : path.native()) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            text.append("\\x").append(Hex[byte >> 4]).append(Hex[byte & 0xF]);
        else
            text.append(c);
    }
    return text;
}
