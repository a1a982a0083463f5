#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What a desktop entry (.desktop) or a user service (.service, .timer) tells about the program it starts.
struct DesktopEntryFile {
    QString name;
    QString startupWMClass;
    QString icon;
    // The program the entry runs, as written ("/usr/bin/gimp", "gimp"); empty when the entry names none.
    QString program;
    // The application a "flatpak run" entry starts; empty for other entries.
    QString flatpakApp;
    // A timer's unit, when it names one.
    QString unit;
    bool hidden = false;

    // Reads the [Desktop Entry] group of a desktop entry, or the [Service] and [Timer] groups of a unit.
    static DesktopEntryFile parse(const QByteArray &bytes);
    // The program of a command line: its first word after "env" and variable settings.
    static QString programOf(const QString &commandLine, QString *flatpakApp = nullptr);
};
