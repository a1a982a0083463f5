// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/DesktopAppearance.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString SettingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString AppearanceGroup = QStringLiteral("org.freedesktop.appearance");
const QString ColorSchemeKey = QStringLiteral("color-scheme");

// The portal's colour scheme: 1 prefers dark, 2 prefers light, 0 states nothing.
std::optional<bool> fromScheme(const QVariant &value)
{
    QVariant scheme = value;
    while (scheme.canConvert<QDBusVariant>() && scheme.userType() == qMetaTypeId<QDBusVariant>())
        scheme = scheme.value<QDBusVariant>().variant();
    bool ok = false;
    const uint number = scheme.toUInt(&ok);
    if (!ok || (number != 1 && number != 2))
        return std::nullopt;
    return number == 1;
}

} // namespace

DesktopAppearance::DesktopAppearance(QObject *parent)
    : QObject(parent)
{
    QDBusConnection::sessionBus().connect(PortalService, PortalPath, SettingsInterface,
                                          QStringLiteral("SettingChanged"), this,
                                          SLOT(settingChanged(QString, QString, QDBusVariant)));
}

std::optional<bool> DesktopAppearance::prefersDark()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::nullopt;
    QDBusMessage call =
        QDBusMessage::createMethodCall(PortalService, PortalPath, SettingsInterface, QStringLiteral("Read"));
    call << AppearanceGroup << ColorSchemeKey;
    const QDBusMessage reply = bus.call(call, QDBus::Block, 300);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    return fromScheme(reply.arguments().first());
}

void DesktopAppearance::settingChanged(const QString &group, const QString &key, const QDBusVariant &value)
{
    if (group != AppearanceGroup || key != ColorSchemeKey)
        return;
    if (const std::optional<bool> dark = fromScheme(value.variant()))
        emit changed(*dark);
}
