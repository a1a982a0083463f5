// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/DesktopEntryFile.h"

#include "linuxdesktop/CommandTarget.h"
#include "linuxdesktop/CommandWords.h"
#include "platform/TextLimits.h"

#include <QList>

DesktopEntryFile DesktopEntryFile::parse(const QByteArray &bytes, const QString &home)
{
    DesktopEntryFile entry;
    QString group;
    QString exec;
    QString tryExec;
    QString folder;
    bool isUnit = false;
    for (const QByteArray &rawLine : bytes.split('\n')) {
        // A value longer than any real one is left out, as if the entry did not hold it.
        if (std::size_t(rawLine.size()) > TextLimits::MaximumValueBytes)
            continue;
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
            const QString text = CommandWords::desktopString(value);
            if (key == u"Name")
                entry.name = text;
            else if (key == u"Exec")
                exec = text;
            else if (key == u"TryExec")
                tryExec = text;
            else if (key == u"Path")
                folder = text;
            else if (key == u"StartupWMClass")
                entry.startupWMClass = text;
            else if (key == u"Icon")
                entry.icon = text;
            else if (key == u"Hidden" || key == u"NoDisplay")
                entry.hidden = entry.hidden || text == u"true";
        } else if (group == u"[Service]") {
            if (key == u"ExecStart" && exec.isEmpty()) {
                exec = value;
                isUnit = true;
            } else if (key == u"WorkingDirectory") {
                // "-" lets the folder be missing; "~" is the home.
                folder = value.startsWith(u'-') ? value.mid(1) : value;
                folder = folder == u"~" ? home : CommandWords::unitValue(folder, home);
            }
        } else if (group == u"[Timer]" && key == u"Unit") {
            entry.unit = value;
        }
    }
    const QString workingDirectory = folder.startsWith(u'/') ? folder : home;
    const QStringList command = isUnit ? CommandWords::unitExec(exec, home) : CommandWords::desktopExec(exec);
    entry.target = CommandTarget::of(command, home, workingDirectory);
    // TryExec names the program that must be there for the entry to be shown: the best guess when Exec tells nothing.
    if (!entry.target && !tryExec.isEmpty())
        entry.target = CommandTarget::of({tryExec}, home, workingDirectory);
    return entry;
}
