#include "cli/JsonText.h"

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
