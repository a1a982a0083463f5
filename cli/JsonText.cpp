#include "cli/JsonText.h"

namespace {

// The length of the well-formed UTF-8 sequence at the start of `bytes`; 0 when there is none there.
std::size_t sequenceLength(std::string_view bytes)
{
    const auto at = [&](std::size_t i) {
        return static_cast<unsigned char>(bytes[i]);
    };
    const unsigned char lead = at(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (bytes.size() < length || at(1) < low || at(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if ((at(i) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

} // namespace

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
        const std::size_t length = sequenceLength(bytes);
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
