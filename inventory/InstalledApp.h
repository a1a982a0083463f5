// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <filesystem>
#include <optional>

// One installed item of the inventory. A plain value; many keys of the inventory hold copies of one record,
// which share their text.
struct InstalledApp {
    QString name;
    QString bundleID; // empty for an application whose bundle names no identifier, or cannot be read
    QByteArray url;   // the exact path bytes of the item on this machine
    std::optional<QString> version;

    // The bundle identifier; absent where there is none.
    std::optional<QString> identifier() const
    {
        return bundleID.isEmpty() ? std::nullopt : std::optional<QString>(bundleID);
    }

    std::filesystem::path path() const { return std::filesystem::path(url.toStdString()); }
    static QByteArray urlOf(const std::filesystem::path &path)
    {
        return QByteArray(path.native().data(), qsizetype(path.native().size()));
    }

    friend bool operator==(const InstalledApp &, const InstalledApp &) = default;
};
