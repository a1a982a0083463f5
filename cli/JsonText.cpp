// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/JsonText.h"

#include "cli/Utf8Sequence.h"

QString JsonText::quoted(const QString &text)
{
    QString result;
    result.reserve(text.size() + 2);
    result.append(u'"');
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"':
            result.append(QStringLiteral("\\\""));
            break;
        case u'\\':
            result.append(QStringLiteral("\\\\"));
            break;
        case u'\n':
            result.append(QStringLiteral("\\n"));
            break;
        case u'\r':
            result.append(QStringLiteral("\\r"));
            break;
        case u'\t':
            result.append(QStringLiteral("\\t"));
            break;
        default:
            if (c.unicode() < 0x20)
                result.append(QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0')));
            else
                result.append(c);
        }
    }
    result.append(u'"');
    return result;
}

QByteArray JsonText::quotedBytes(std::string_view bytes)
{
    static constexpr char Hex[] = "0123456789abcdef";
    QByteArray result;
    result.reserve(qsizetype(bytes.size()) + 2);
    result.append('"');
    while (!bytes.empty()) {
        const std::size_t length = Utf8Sequence::length(bytes);
        const auto byte = static_cast<unsigned char>(bytes.front());
        if (length == 0) {
            result.append("\\udc").append(Hex[byte >> 4]).append(Hex[byte & 0xF]);
            bytes.remove_prefix(1);
            continue;
        }
        if (byte == '"' || byte == '\\') {
            result.append('\\').append(char(byte));
        } else if (byte < 0x20) {
            result.append("\\u00").append(Hex[byte >> 4]).append(Hex[byte & 0xF]);
        } else {
            result.append(bytes.data(), qsizetype(length));
        }
        bytes.remove_prefix(length);
    }
    result.append('"');
    return result;
}
