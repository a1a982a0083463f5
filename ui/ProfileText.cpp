// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ProfileText.h"

namespace {

bool isMac(ScanProfile profile)
{
    return profile == ScanProfile::mac;
}

} // namespace

QString ProfileText::scanToolTip(ScanProfile profile)
{
    return isMac(profile) ? tr("Scan the Library folders (Ctrl+R)") : tr("Scan the home folder (Ctrl+R)");
}

QString ProfileText::ownerIdentifierLabel(ScanProfile profile)
{
    return isMac(profile) ? tr("Bundle ID") : tr("Package");
}

QString ProfileText::revealActionTitle(ScanProfile profile)
{
    return isMac(profile) ? tr("Show in Finder") : tr("Show in File Manager");
}

QString ProfileText::welcomeMessage(ScanProfile profile)
{
    return isMac(profile) ? tr("Scan your Mac for leftovers\nfrom uninstalled apps.")
                          : tr("Scan your home folder for leftovers\nfrom uninstalled apps.");
}

QString ProfileText::tagChooserTitle(ScanProfile profile)
{
    return isMac(profile) ? tr("Choose Finder Tag") : tr("Choose a Tag");
}

QString ProfileText::tagExplanation(ScanProfile profile)
{
    return isMac(profile)
               ? tr("The tag will be visible in Finder and helps you categorize items without deleting them.")
               : tr("The tag is kept with the item, where file managers that read "
                    "tags (such as Dolphin) show it, and helps you categorize "
                    "items without deleting them.");
}
