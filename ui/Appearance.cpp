// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Appearance.h"

QString Appearance::symbol(RemnantCategory value)
{
    switch (value) {
    case RemnantCategory::applicationSupport:
        return QStringLiteral("folder.fill");
    case RemnantCategory::applicationScripts:
        return QStringLiteral("scroll.fill");
    case RemnantCategory::launchAgents:
        return QStringLiteral("bolt.fill");
    case RemnantCategory::launchDaemons:
        return QStringLiteral("gearshape.2.fill");
    case RemnantCategory::preferences:
        return QStringLiteral("slider.horizontal.3");
    case RemnantCategory::caches:
        return QStringLiteral("internaldrive.fill");
    case RemnantCategory::containers:
        return QStringLiteral("shippingbox.fill");
    case RemnantCategory::savedState:
        return QStringLiteral("clock.arrow.circlepath");
    case RemnantCategory::logs:
        return QStringLiteral("doc.text.fill");
    case RemnantCategory::cronJobs:
        return QStringLiteral("calendar.badge.clock");
    case RemnantCategory::other:
        return QStringLiteral("questionmark.folder.fill");
    case RemnantCategory::configuration:
        return QStringLiteral("slider.horizontal.3");
    case RemnantCategory::applicationData:
        return QStringLiteral("folder.fill");
    case RemnantCategory::cache:
        return QStringLiteral("internaldrive.fill");
    case RemnantCategory::state:
        return QStringLiteral("clock.arrow.circlepath");
    case RemnantCategory::flatpakData:
        return QStringLiteral("shippingbox.fill");
    case RemnantCategory::snapData:
        return QStringLiteral("app.fill");
    case RemnantCategory::autostart:
        return QStringLiteral("bolt.fill");
    case RemnantCategory::userServices:
        return QStringLiteral("gearshape.2.fill");
    case RemnantCategory::menuEntries:
        return QStringLiteral("scroll.fill");
    case RemnantCategory::dotFolders:
        return QStringLiteral("folder.badge.magnifyingglass");
    }
    return {};
}

SystemColor Appearance::color(RemnantCategory value)
{
    switch (value) {
    case RemnantCategory::applicationSupport:
        return SystemColor::blue;
    case RemnantCategory::applicationScripts:
        return SystemColor::purple;
    case RemnantCategory::launchAgents:
        return SystemColor::orange;
    case RemnantCategory::launchDaemons:
        return SystemColor::red;
    case RemnantCategory::preferences:
        return SystemColor::teal;
    case RemnantCategory::caches:
        return SystemColor::green;
    case RemnantCategory::containers:
        return SystemColor::indigo;
    case RemnantCategory::savedState:
        return SystemColor::brown;
    case RemnantCategory::logs:
        return SystemColor::gray;
    case RemnantCategory::cronJobs:
        return SystemColor::yellow;
    case RemnantCategory::other:
        return SystemColor::secondaryLabel;
    case RemnantCategory::configuration:
        return SystemColor::teal;
    case RemnantCategory::applicationData:
        return SystemColor::blue;
    case RemnantCategory::cache:
        return SystemColor::green;
    case RemnantCategory::state:
        return SystemColor::brown;
    case RemnantCategory::flatpakData:
        return SystemColor::indigo;
    case RemnantCategory::snapData:
        return SystemColor::yellow;
    case RemnantCategory::autostart:
        return SystemColor::orange;
    case RemnantCategory::userServices:
        return SystemColor::red;
    case RemnantCategory::menuEntries:
        return SystemColor::purple;
    case RemnantCategory::dotFolders:
        return SystemColor::gray;
    }
    return {};
}

QString Appearance::symbol(RemnantRisk value)
{
    switch (value) {
    case RemnantRisk::safe:
        return QStringLiteral("checkmark.circle.fill");
    case RemnantRisk::caution:
        return QStringLiteral("exclamationmark.triangle.fill");
    case RemnantRisk::review:
        return QStringLiteral("xmark.circle.fill");
    }
    return {};
}

SystemColor Appearance::color(RemnantRisk value)
{
    switch (value) {
    case RemnantRisk::safe:
        return SystemColor::green;
    case RemnantRisk::caution:
        return SystemColor::orange;
    case RemnantRisk::review:
        return SystemColor::red;
    }
    return {};
}

SystemColor Appearance::color(FinderTagColor value)
{
    switch (value) {
    case FinderTagColor::red:
        return SystemColor::red;
    case FinderTagColor::orange:
        return SystemColor::orange;
    case FinderTagColor::yellow:
        return SystemColor::yellow;
    case FinderTagColor::green:
        return SystemColor::green;
    case FinderTagColor::blue:
        return SystemColor::blue;
    case FinderTagColor::purple:
        return SystemColor::purple;
    case FinderTagColor::gray:
        return SystemColor::gray;
    }
    return {};
}
