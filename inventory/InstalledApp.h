#pragma once

#include <QByteArray>
#include <QString>
#include <filesystem>
#include <optional>

// One installed item of the inventory. A plain value; many keys of the inventory hold copies of one record,
// which share their text.
struct InstalledApp {
    QString name;
    QString bundleID;
    QByteArray url; // the exact path bytes of the item on this machine
    std::optional<QString> version;

    std::filesystem::path path() const { return std::filesystem::path(url.toStdString()); }
    static QByteArray urlOf(const std::filesystem::path &path)
    {
        return QByteArray(path.native().data(), qsizetype(path.native().size()));
    }

    friend bool operator==(const InstalledApp &, const InstalledApp &) = default;
};
