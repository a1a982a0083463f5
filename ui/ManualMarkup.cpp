// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ManualMarkup.h"

#include <QStringList>

namespace {

// *bold*, _underlined_ and the escapes \* \_ \\ of one paragraph's text.
QString inlineMarkup(const QString &text)
{
    QString html;
    bool bold = false;
    bool underline = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' && i + 1 < text.size()) {
            html += QString(text[++i]).toHtmlEscaped();
        } else if (c == u'*') {
            html += bold ? QStringLiteral("</b>") : QStringLiteral("<b>");
            bold = !bold;
        } else if (c == u'_' && (underline || i + 1 < text.size()) &&
                   (underline ? (i + 1 == text.size() || !text[i + 1].isLetterOrNumber())
                              : (i == 0 || !text[i - 1].isLetterOrNumber()))) {
            html += underline ? QStringLiteral("</i>") : QStringLiteral("<i>");
            underline = !underline;
        } else {
            html += QString(c).toHtmlEscaped();
        }
    }
    if (underline)
        html += QStringLiteral("</i>");
    if (bold)
        html += QStringLiteral("</b>");
    return html;
}

} // namespace

QString ManualMarkup::toHtml(const QString &scdoc)
{
    QStringList lines = scdoc.split(u'\n');
    QString html;
    QStringList paragraph;
    enum class Block { none, paragraph, indented, list };
    Block block = Block::none;
    const auto flush = [&] {
        if (paragraph.isEmpty())
            return;
        const QString text = inlineMarkup(paragraph.join(u' '));
        switch (block) {
        case Block::indented:
            html += QStringLiteral("<p style=\"margin-left: 2em\">%1</p>\n").arg(text);
            break;
        case Block::list:
            html += QStringLiteral("<ul><li>%1</li></ul>\n").arg(text);
            break;
        default:
            html += QStringLiteral("<p>%1</p>\n").arg(text);
            break;
        }
        paragraph.clear();
        block = Block::none;
    };
    bool literal = false;
    QStringList literalLines;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString &line = lines[n];
        if (line.trimmed() == QStringLiteral("```")) {
            flush();
            if (literal)
                html += QStringLiteral("<pre>%1</pre>\n").arg(literalLines.join(u'\n').toHtmlEscaped());
            literalLines.clear();
            literal = !literal;
            continue;
        }
        if (literal) {
            literalLines.append(line);
            continue;
        }
        if (n == 0 && !line.startsWith(u'#')) {
            html += QStringLiteral("<h1>%1</h1>\n").arg(line.section(u' ', 0, 0).toHtmlEscaped());
            continue;
        }
        if (line.trimmed().isEmpty()) {
            flush();
            continue;
        }
        if (line.startsWith(QStringLiteral("## "))) {
            flush();
            html += QStringLiteral("<h3>%1</h3>\n").arg(inlineMarkup(line.mid(3).trimmed()));
        } else if (line.startsWith(QStringLiteral("# "))) {
            flush();
            html += QStringLiteral("<h2>%1</h2>\n").arg(inlineMarkup(line.mid(2).trimmed()));
        } else if (line.startsWith(u'\t')) {
            if (block != Block::indented)
                flush();
            block = Block::indented;
            paragraph.append(line.trimmed());
        } else if (line.startsWith(QStringLiteral("- "))) {
            flush();
            block = Block::list;
            paragraph.append(line.mid(2).trimmed());
        } else {
            // A line that is neither indented nor a new item goes on with the block it follows, as long as it is
            // indented by spaces (a list item's continuation); otherwise a paragraph starts.
            if (block != Block::paragraph && block != Block::none && !line.startsWith(u' '))
                flush();
            if (block == Block::none)
                block = Block::paragraph;
            paragraph.append(line.trimmed());
        }
    }
    flush();
    return html;
}
