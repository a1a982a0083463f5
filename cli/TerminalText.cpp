// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/TerminalText.h"

#include "cli/Utf8Sequence.h"

#include <QChar>
#include <QStringList>

namespace {

constexpr char Hex[] = "0123456789abcdef";

bool isHidden(char32_t code)
{
    switch (QChar::category(code)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_NotAssigned:
    case QChar::Other_Surrogate:
        return true;
    default:
        break;
    }
    // Letters and marks that show nothing: the Hangul fillers, the combining grapheme joiner, Khmer's inherent
    // vowels and Mongolian's variation selectors.
    return code == 0x115F || code == 0x1160 || code == 0x3164 || code == 0xFFA0 || code == 0x034F || code == 0x17B4 ||
           code == 0x17B5 || (code >= 0x180B && code <= 0x180F);
}

void appendHex(QByteArray &text, char32_t value, int digits)
{
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        text.append(Hex[(value >> shift) & 0xF]);
}

} // namespace

QByteArray TerminalText::bytes(std::string_view bytes)
{
    QByteArray text;
    text.reserve(qsizetype(bytes.size()));
    while (!bytes.empty()) {
        const std::size_t length = Utf8Sequence::length(bytes);
        if (length == 0) {
            text.append("\\x");
            appendHex(text, static_cast<unsigned char>(bytes.front()), 2);
            bytes.remove_prefix(1);
            continue;
        }
        const char32_t code = Utf8Sequence::codePoint(bytes, length);
        if (!isHidden(code)) {
            text.append(bytes.data(), qsizetype(length));
        } else if (code < 0x80) {
            text.append("\\x");
            appendHex(text, code, 2);
        } else if (code <= 0xFFFF) {
            text.append("\\u");
            appendHex(text, code, 4);
        } else {
            text.append("\\U");
            appendHex(text, code, 8);
        }
        bytes.remove_prefix(length);
    }
    return text;
}

QByteArray TerminalText::path(const std::filesystem::path &path)
{
    return bytes(path.native());
}

QByteArray TerminalText::text(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    return bytes(std::string_view(utf8.constData(), std::size_t(utf8.size())));
}

QByteArray TerminalText::lines(const QString &text)
{
    QList<QByteArray> lines;
    for (const QString &line : text.split(u'\n'))
        lines.append(TerminalText::text(line));
    return lines.join('\n');
}
