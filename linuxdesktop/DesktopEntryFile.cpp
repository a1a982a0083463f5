#include "linuxdesktop/DesktopEntryFile.h"

#include <QList>

QString DesktopEntryFile::programOf(const QString &commandLine, QString *flatpakApp)
{
    QString line = commandLine.trimmed();
    // A unit's prefixes that change how the command runs, not which.
    while (!line.isEmpty() && QStringLiteral("-@:+!").contains(line.front()))
        line.remove(0, 1);
    QStringList words;
    QString current;
    QChar quote;
    for (const QChar c : line) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                current.append(c);
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c.isSpace()) {
            if (!current.isEmpty())
                words.append(current);
            current.clear();
        } else {
            current.append(c);
        }
    }
    if (!current.isEmpty())
        words.append(current);

    qsizetype index = 0;
    if (index < words.size() && (words[index] == u"env" || words[index].endsWith(u"/env"))) {
        ++index;
        while (index < words.size() && (words[index].startsWith(u'-') || words[index].contains(u'=')))
            ++index;
    }
    if (index >= words.size())
        return {};
    const QString program = words[index];
    if (flatpakApp && (program == u"flatpak" || program.endsWith(u"/flatpak"))) {
        qsizetype run = words.indexOf(QStringLiteral("run"), index + 1);
        for (qsizetype i = run < 0 ? words.size() : run + 1; i < words.size(); ++i) {
            if (!words[i].startsWith(u'-')) {
                *flatpakApp = words[i];
                break;
            }
        }
    }
    return program;
}

DesktopEntryFile DesktopEntryFile::parse(const QByteArray &bytes)
{
    DesktopEntryFile entry;
    QString group;
    QString exec;
    QString tryExec;
    for (const QByteArray &rawLine : bytes.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            group = line;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (group == u"[Desktop Entry]") {
            if (key == u"Name")
                entry.name = value;
            else if (key == u"Exec")
                exec = value;
            else if (key == u"TryExec")
                tryExec = value;
            else if (key == u"StartupWMClass")
                entry.startupWMClass = value;
            else if (key == u"Icon")
                entry.icon = value;
            else if (key == u"Hidden" || key == u"NoDisplay")
                entry.hidden = entry.hidden || value == u"true";
        } else if (group == u"[Service]" && key == u"ExecStart" && exec.isEmpty()) {
            exec = value;
        } else if (group == u"[Timer]" && key == u"Unit") {
            entry.unit = value;
        }
    }
    entry.program = programOf(tryExec.isEmpty() ? exec : tryExec, &entry.flatpakApp);
    if (!tryExec.isEmpty() && entry.flatpakApp.isEmpty())
        programOf(exec, &entry.flatpakApp);
    return entry;
}
