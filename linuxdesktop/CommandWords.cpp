// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/CommandWords.h"

#include <QHash>
#include <algorithm>

namespace {

bool isIdentifierCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// The index just past the bracket that closes the one at `open`, or the text's end.
qsizetype pastClosing(const QString &text, qsizetype open, QChar opening, QChar closing)
{
    int depth = 0;
    for (qsizetype i = open; i < text.size(); ++i) {
        if (text[i] == opening)
            ++depth;
        else if (text[i] == closing && --depth == 0)
            return i + 1;
    }
    return text.size();
}

// A shell's "$" at `at`: $HOME and ${HOME} become the home; any other expansion is copied as written, a command
// substitution or a braced one whole. Returns the index past what was read.
qsizetype readDollar(const QString &text, qsizetype at, const QString &home, QString &word)
{
    const QStringView rest = QStringView(text).mid(at);
    if (rest.startsWith(u"${HOME}")) {
        word += home;
        return at + 7;
    }
    if (rest.startsWith(u"$HOME") && (rest.size() == 5 || !isIdentifierCharacter(rest[5]))) {
        word += home;
        return at + 5;
    }
    if (rest.startsWith(u"$(") || rest.startsWith(u"${")) {
        const QChar opening = rest[1];
        const qsizetype end = pastClosing(text, at + 1, opening, opening == u'(' ? u')' : u'}');
        word += text.mid(at, end - at);
        return end;
    }
    word += u'$';
    return at + 1;
}

QString specifier(QChar letter, const QString &home)
{
    static const QHash<QChar, QString> folders{{u'E', QStringLiteral("/.config")},
                                               {u'C', QStringLiteral("/.cache")},
                                               {u'D', QStringLiteral("/.local/share")},
                                               {u'S', QStringLiteral("/.local/state")},
                                               {u'L', QStringLiteral("/.local/state/log")}};
    if (letter == u'h')
        return home;
    if (letter == u'%')
        return QStringLiteral("%");
    if (const auto found = folders.constFind(letter); found != folders.cend())
        return home + *found;
    return QStringLiteral("%") + letter;
}

// A C escape of a unit file at `at` (the backslash); appends what it stands for and returns the index past it.
qsizetype readUnitEscape(const QString &text, qsizetype at, QString &word)
{
    if (at + 1 >= text.size())
        return at + 1;
    static const QHash<QChar, QChar> simple{{u'a', u'\a'}, {u'b', u'\b'}, {u'f', u'\f'}, {u'n', u'\n'},
                                            {u'r', u'\r'}, {u't', u'\t'}, {u'v', u'\v'}, {u's', u' '}};
    const QChar c = text[at + 1];
    if (const auto found = simple.constFind(c); found != simple.cend()) {
        word += *found;
        return at + 2;
    }
    const auto number = [&](qsizetype start, qsizetype digits, int base) {
        bool ok = false;
        const uint value = text.mid(start, digits).toUInt(&ok, base);
        if (ok && text.mid(start, digits).size() == digits) {
            const char32_t code = value;
            word += QString::fromUcs4(&code, 1);
            return start + digits;
        }
        word += c;
        return at + 2;
    };
    if (c == u'x')
        return number(at + 2, 2, 16);
    if (c == u'u')
        return number(at + 2, 4, 16);
    if (c == u'U')
        return number(at + 2, 8, 16);
    if (c >= u'0' && c <= u'7')
        return number(at + 1, 3, 8);
    word += c;
    return at + 2;
}

} // namespace

QString CommandWords::desktopString(const QString &value)
{
    QString result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != u'\\' || i + 1 == value.size()) {
            result += c;
            continue;
        }
        const QChar next = value[++i];
        if (next == u's')
            result += u' ';
        else if (next == u'n')
            result += u'\n';
        else if (next == u't')
            result += u'\t';
        else if (next == u'r')
            result += u'\r';
        else if (next == u'\\')
            result += u'\\';
        else
            result += QStringView(value).mid(i - 1, 2);
    }
    return result;
}

QStringList CommandWords::desktopExec(const QString &value)
{
    QStringList words;
    QString word;
    bool inWord = false;
    const qsizetype size = value.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = value[i];
        if (c == u'"') {
            inWord = true;
            for (++i; i < size && value[i] != u'"'; ++i) {
                if (value[i] == u'\\' && i + 1 < size && QStringView(u"\"`$\\").contains(value[i + 1]))
                    ++i;
                word += value[i];
            }
        } else if (c == u'\'') {
            inWord = true;
            for (++i; i < size && value[i] != u'\''; ++i)
                word += value[i];
        } else if (c == u'\\' && i + 1 < size) {
            inWord = true;
            word += value[++i];
        } else if (c.isSpace()) {
            if (inWord)
                words.append(word);
            word.clear();
            inWord = false;
        } else {
            inWord = true;
            word += c;
        }
    }
    if (inWord)
        words.append(word);

    QStringList result;
    for (QString &each : words) {
        if (each.size() == 2 && each[0] == u'%' && QStringView(u"fFuUdDnNickvm").contains(each[1]))
            continue;
        result.append(each.replace(QStringLiteral("%%"), QStringLiteral("%")));
    }
    return result;
}

QStringList CommandWords::unitExec(const QString &value, const QString &home)
{
    QString line = value.trimmed();
    bool namesItself = false;
    while (!line.isEmpty() && QStringView(u"@-:+!").contains(line.front())) {
        namesItself = namesItself || line.front() == u'@';
        line.remove(0, 1);
    }
    QStringList words;
    QString word;
    bool inWord = false;
    bool literal = false; // the word came from quotes or escapes, so a lone ";" in it separates nothing
    QChar quote;
    const qsizetype size = line.size();
    for (qsizetype i = 0; i < size;) {
        const QChar c = line[i];
        if (c == u'\\') {
            i = readUnitEscape(line, i, word);
            inWord = literal = true;
        } else if (c == u'%' && i + 1 < size) {
            word += specifier(line[i + 1], home);
            inWord = true;
            i += 2;
        } else if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                word += c;
            ++i;
        } else if (c == u'"' || c == u'\'') {
            quote = c;
            inWord = literal = true;
            ++i;
        } else if (c.isSpace()) {
            if (inWord && !literal && word == u";")
                break;
            if (inWord)
                words.append(word);
            word.clear();
            inWord = literal = false;
            ++i;
        } else {
            word += c;
            inWord = true;
            ++i;
        }
    }
    if (inWord && (literal || word != u";"))
        words.append(word);
    if (namesItself && words.size() > 1)
        words.removeAt(1);
    return words;
}

QString CommandWords::unitValue(const QString &value, const QString &home)
{
    QString result;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'%' && i + 1 < value.size())
            result += specifier(value[++i], home);
        else
            result += value[i];
    }
    return result;
}

QList<QStringList> CommandWords::shellCommands(const QString &script, const QString &home)
{
    QList<QStringList> commands;
    QStringList words;
    QString word;
    bool inWord = false;
    // A redirection's target is not one of the command's words.
    bool redirected = false;
    const auto endWord = [&] {
        if (inWord && !redirected)
            words.append(word);
        else if (inWord)
            redirected = false;
        word.clear();
        inWord = false;
    };
    const auto endCommand = [&] {
        endWord();
        redirected = false;
        if (!words.isEmpty())
            commands.append(words);
        words.clear();
    };
    const qsizetype size = script.size();
    for (qsizetype i = 0; i < size;) {
        const QChar c = script[i];
        if (c == u'\\') {
            if (i + 1 < size && script[i + 1] != u'\n') {
                word += script[i + 1];
                inWord = true;
            }
            i += 2;
        } else if (c == u'\'') {
            const qsizetype end = script.indexOf(u'\'', i + 1);
            const qsizetype stop = end < 0 ? size : end;
            word += script.mid(i + 1, stop - i - 1);
            inWord = true;
            i = stop + 1;
        } else if (c == u'"') {
            inWord = true;
            for (++i; i < size && script[i] != u'"';) {
                if (script[i] == u'\\' && i + 1 < size && QStringView(u"$`\"\\\n").contains(script[i + 1])) {
                    if (script[i + 1] != u'\n')
                        word += script[i + 1];
                    i += 2;
                } else if (script[i] == u'$') {
                    i = readDollar(script, i, home, word);
                } else {
                    word += script[i++];
                }
            }
            ++i;
        } else if (c == u'$') {
            i = readDollar(script, i, home, word);
            inWord = true;
        } else if (c == u'`') {
            const qsizetype end = script.indexOf(u'`', i + 1);
            const qsizetype stop = end < 0 ? size : end + 1;
            word += script.mid(i, stop - i);
            inWord = true;
            i = stop;
        } else if (c == u'~' && !inWord && (i + 1 == size || script[i + 1] == u'/' || script[i + 1].isSpace())) {
            word += home;
            inWord = true;
            ++i;
        } else if (c == u'#' && !inWord) {
            const qsizetype end = script.indexOf(u'\n', i);
            i = end < 0 ? size : end;
        } else if (c == u' ' || c == u'\t') {
            endWord();
            ++i;
        } else if (QStringView(u"\n;&|()").contains(c)) {
            endCommand();
            ++i;
        } else if (c == u'<' || c == u'>') {
            // A number just before the operator says which descriptor it redirects.
            if (inWord && std::all_of(word.cbegin(), word.cend(), [](QChar d) { return d.isDigit(); })) {
                word.clear();
                inWord = false;
            }
            endWord();
            while (i < size && (script[i] == u'<' || script[i] == u'>' || script[i] == u'|'))
                ++i;
            if (i < size && script[i] == u'&') {
                // Onto another descriptor: ">&2", "2>&1", ">&-".
                for (++i; i < size && (script[i].isDigit() || script[i] == u'-');)
                    ++i;
            } else {
                redirected = true;
            }
        } else {
            word += c;
            inWord = true;
            ++i;
        }
    }
    endCommand();
    return commands;
}
