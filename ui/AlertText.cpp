// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/AlertText.h"

#include "platform/PathNames.h"
#include "ui/FailureText.h"

AlertText AlertText::of(const AlertPresenter::Alert &alert)
{
    using Kind = AlertPresenter::Alert::Kind;
    using Answer = AlertPresenter::Answer;
    AlertText text;
    const QString folder = PathNames::text(alert.folder);
    const QString openSettings = tr("Open System Settings to allow access?");
    switch (alert.kind) {
    case Kind::fullDiskAccess:
        text.message = tr("Full Disk Access required");
        text.informativeText = tr("Leftscan needs Full Disk Access to scan all leftover files.") + u' ' + openSettings;
        break;
    case Kind::automationAccess:
        text.message = tr("Automation access required");
        text.informativeText =
            tr("Leftscan needs Automation permission to move protected items to Trash.") + u' ' + openSettings;
        break;
    case Kind::rootAsHome:
        text.message = tr("Cannot scan the root folder");
        text.informativeText = tr("The home folder %1 is the root folder, whose entries are the system's own. Choose a "
                                  "user's home folder.")
                                   .arg(folder);
        break;
    case Kind::unreadableFolder:
        text.message = alert.isLibrary ? tr("Cannot read the Library folder") : tr("Cannot read the home folder");
        text.informativeText =
            tr("Leftscan cannot read %1. Check that the folder exists and that you are allowed to read it.")
                .arg(folder);
        break;
    case Kind::administratorRights:
        text.message = tr("Admin rights required");
        text.informativeText =
            alert.itemCount == 1
                ? tr("The item '%1' requires administrator privileges to move to Trash. Do you want to continue?")
                      .arg(alert.itemName)
                : tr("%n item(s) require administrator privileges to move to Trash. Do you want to continue?", nullptr,
                     alert.itemCount);
        break;
    case Kind::trashFailed:
        text.message = tr("Error while deleting");
        text.informativeText = tr("The file '%1' could not be moved to the Trash.\n\nError: %2")
                                   .arg(alert.itemName, FailureText::of(alert.reason));
        break;
    case Kind::privilegedTrashFailed:
        text.message = tr("Error while deleting");
        text.informativeText = FailureText::of(FailureReason::of(FailureReason::Kind::controlRefused)) +
                               tr("\n\nThe file '%1' could not be deleted.\n\nError: %2")
                                   .arg(alert.itemName, FailureText::of(alert.reason));
        break;
    }
    // Permission prompts may be put off; other questions are cancelled.
    const bool putOff = alert.kind == Kind::fullDiskAccess || alert.kind == Kind::automationAccess;
    for (const Answer answer : alert.answers) {
        switch (answer) {
        case Answer::ok:
            text.buttons.append(tr("OK"));
            break;
        case Answer::proceed:
            text.buttons.append(tr("Continue"));
            break;
        case Answer::openSettings:
            text.buttons.append(tr("Open Settings"));
            break;
        case Answer::cancel:
            text.escapeButton = int(text.buttons.size());
            text.buttons.append(putOff ? tr("Not Now") : tr("Cancel"));
            break;
        }
    }
    return text;
}
