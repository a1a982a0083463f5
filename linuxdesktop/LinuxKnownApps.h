#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Well-known Linux applications and the folder names they write, with the names they are installed under;
// kept in the data file LinuxKnownApps.tsv.
class LinuxKnownApps {
public:
    struct App {
        QString name;
        QStringList folders;
        QStringList packages;
        QStringList flatpaks;
        QStringList snaps;
    };

    // The application that writes a folder of this name (compared in NameKey form), if one is known.
    static std::optional<App> writerOf(const QString &folderName);
};
