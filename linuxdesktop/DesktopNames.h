#pragma once

#include <QString>

// The Linux desktop's own entries in a home (settings stores, shared folders, session files), which a scan
// never lists; kept in the data file DesktopNames.txt.
class DesktopNames {
public:
    static bool isDesktopItem(const QString &name);
};
