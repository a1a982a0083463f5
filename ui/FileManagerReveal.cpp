// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/FileManagerReveal.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QUrl>

QByteArray FileManagerReveal::fileUri(const std::filesystem::path &path)
{
    const QByteArray bytes(path.native().data(), qsizetype(path.native().size()));
    return QByteArrayLiteral("file://") + bytes.toPercentEncoding("/");
}

void FileManagerReveal::reveal(const std::filesystem::path &item)
{
    const QByteArray folderUri = fileUri(item.parent_path());
    auto openFolder = [folderUri] {
        QDesktopServices::openUrl(QUrl::fromEncoded(folderUri));
    };
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        openFolder();
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QString::fromLatin1(fileUri(item))} << QString();
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 5000));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [watcher, openFolder] {
        if (watcher->isError())
            openFolder();
        watcher->deleteLater();
    });
}
