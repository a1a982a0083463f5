// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/RemnantCategory.h"

#include "model/EnumerationRow.h"

namespace {

using Row = EnumerationRow<RemnantCategory>;
constexpr std::array<Row, 21> Rows{{
    {RemnantCategory::applicationSupport, "Application Support", "folder.fill", SystemColor::blue},
    {RemnantCategory::applicationScripts, "Application Scripts", "scroll.fill", SystemColor::purple},
    {RemnantCategory::launchAgents, "LaunchAgents", "bolt.fill", SystemColor::orange},
    {RemnantCategory::launchDaemons, "LaunchDaemons", "gearshape.2.fill", SystemColor::red},
    {RemnantCategory::preferences, "Preferences", "slider.horizontal.3", SystemColor::teal},
    {RemnantCategory::caches, "Caches", "internaldrive.fill", SystemColor::green},
    {RemnantCategory::containers, "Containers", "shippingbox.fill", SystemColor::indigo},
    {RemnantCategory::savedState, "Saved Application State", "clock.arrow.circlepath", SystemColor::brown},
    {RemnantCategory::logs, "Logs", "doc.text.fill", SystemColor::gray},
    {RemnantCategory::cronJobs, "Cron Jobs", "calendar.badge.clock", SystemColor::yellow},
    {RemnantCategory::other, "Other", "questionmark.folder.fill", SystemColor::secondaryLabel},
    {RemnantCategory::configuration, "Configuration", "slider.horizontal.3", SystemColor::teal},
    {RemnantCategory::applicationData, "Application Data", "folder.fill", SystemColor::blue},
    {RemnantCategory::cache, "Cache", "internaldrive.fill", SystemColor::green},
    {RemnantCategory::state, "State", "clock.arrow.circlepath", SystemColor::brown},
    {RemnantCategory::flatpakData, "Flatpak Data", "shippingbox.fill", SystemColor::indigo},
    {RemnantCategory::snapData, "Snap Data", "app.fill", SystemColor::yellow},
    {RemnantCategory::autostart, "Autostart", "bolt.fill", SystemColor::orange},
    {RemnantCategory::userServices, "User Services", "gearshape.2.fill", SystemColor::red},
    {RemnantCategory::menuEntries, "Menu Entries", "scroll.fill", SystemColor::purple},
    {RemnantCategory::dotFolders, "Dot Folders", "folder.badge.magnifyingglass", SystemColor::gray},
}};
static_assert(followsDeclarationOrder(Rows));
constexpr auto Cases = casesOf(Rows);

} // namespace

template <> std::span<const RemnantCategory> allCases<RemnantCategory>()
{
    return Cases;
}

QString rawValue(RemnantCategory category)
{
    return QLatin1String(Rows[std::size_t(category)].rawValue);
}

QString keyOf(RemnantCategory category)
{
    return QLatin1String(Rows[std::size_t(category)].rawValue);
}

QString icon(RemnantCategory category)
{
    return QLatin1String(Rows[std::size_t(category)].icon);
}

SystemColor color(RemnantCategory category)
{
    return Rows[std::size_t(category)].color;
}

bool holdsDisposableContent(RemnantCategory category)
{
    return category == RemnantCategory::caches || category == RemnantCategory::logs ||
           category == RemnantCategory::cache;
}
