// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/FailureText.h"

#include "platform/PathNames.h"

namespace {

QString sentence(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

} // namespace

QString FailureText::systemError(int errorNumber)
{
    return sentence(qt_error_string(errorNumber));
}

QString FailureText::protectedPlace(const FailureReason &reason)
{
    // Whole sentences, since the place takes another case after "holds" than after "is" in some languages.
    const bool is = reason.kind == FailureReason::Kind::isProtected;
    switch (reason.place) {
    case ProtectedPlace::homeFolder:
        return is ? tr("It is the home folder") : tr("It holds the home folder");
    case ProtectedPlace::homeLibrary:
        return is ? tr("It is the Library folder of the home") : tr("It holds the Library folder of the home");
    case ProtectedPlace::rootFolder:
        return is ? tr("It is the root folder") : tr("It holds the root folder");
    case ProtectedPlace::rootLibrary:
        return is ? tr("It is the Library folder of the root") : tr("It holds the Library folder of the root");
    case ProtectedPlace::homeTrash:
        return is ? tr("It is the home's Trash") : tr("It holds the home's Trash");
    case ProtectedPlace::scannedFolder:
        return (is ? tr("It is the scanned folder %1") : tr("It holds the scanned folder %1"))
            .arg(PathNames::text(reason.path));
    case ProtectedPlace::application:
        return (is ? tr("It is the application %1") : tr("It holds the application %1"))
            .arg(PathNames::text(reason.path));
    }
    return PathNames::text(reason.path);
}

QString FailureText::of(const FailureReason &reason)
{
    using Kind = FailureReason::Kind;
    switch (reason.kind) {
    case Kind::systemError:
        return systemError(reason.errorNumber);
    case Kind::systemText:
        return sentence(reason.text);
    case Kind::notAnEntry:
        return tr("It is not an entry of a Library folder");
    case Kind::notInScannedFolder:
        return reason.profile == ScanProfile::mac ? tr("It is not in a Library folder that a scan lists")
                                                  : tr("It is not in a folder that a scan lists");
    case Kind::noLongerExists:
        return tr("It no longer exists");
    case Kind::folderUnreachable:
        return tr("Its folder cannot be reached");
    case Kind::isProtected:
    case Kind::holdsProtected:
        return protectedPlace(reason);
    case Kind::folderGone:
        return tr("Its folder %1 no longer exists").arg(PathNames::text(reason.path));
    case Kind::controlRefused:
        return tr("System Settings > Privacy & Security > Automation: allow Leftscan to control System Events.");
    case Kind::stillInPlace:
        return tr("It is still in its place after the administrator command");
    case Kind::outsideHome:
        return tr("It lies outside the home, where administrator rights are not used");
    case Kind::trashUnwritable:
        return tr("The Trash cannot be written");
    case Kind::notConfirmed:
        return tr("It must be confirmed by name first: it holds your own files, was used recently or may belong to an "
                  "installed app");
    }
    return sentence(reason.text);
}
