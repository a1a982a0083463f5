// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <optional>

class QDBusVariant;

// Whether the desktop prefers a dark appearance, as the freedesktop settings portal says, and news when that
// changes.
class DesktopAppearance : public QObject {
    Q_OBJECT

public:
    explicit DesktopAppearance(QObject *parent = nullptr);

    // Dark, light, or absent when the desktop states no preference or cannot be asked.
    static std::optional<bool> prefersDark();

signals:
    void changed(bool dark);

private slots:
    void settingChanged(const QString &group, const QString &key, const QDBusVariant &value);
};
