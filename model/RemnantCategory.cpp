// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/RemnantCategory.h"

#include "model/EnumerationRow.h"

namespace {

using Row = EnumerationRow<RemnantCategory>;
constexpr std::array<Row, 21> Rows{{
    {RemnantCategory::applicationSupport, "Application Support"},
    {RemnantCategory::applicationScripts, "Application Scripts"},
    {RemnantCategory::launchAgents, "LaunchAgents"},
    {RemnantCategory::launchDaemons, "LaunchDaemons"},
    {RemnantCategory::preferences, "Preferences"},
    {RemnantCategory::caches, "Caches"},
    {RemnantCategory::containers, "Containers"},
    {RemnantCategory::savedState, "Saved Application State"},
    {RemnantCategory::logs, "Logs"},
    {RemnantCategory::cronJobs, "Cron Jobs"},
    {RemnantCategory::other, "Other"},
    {RemnantCategory::configuration, "Configuration"},
    {RemnantCategory::applicationData, "Application Data"},
    {RemnantCategory::cache, "Cache"},
    {RemnantCategory::state, "State"},
    {RemnantCategory::flatpakData, "Flatpak Data"},
    {RemnantCategory::snapData, "Snap Data"},
    {RemnantCategory::autostart, "Autostart"},
    {RemnantCategory::userServices, "User Services"},
    {RemnantCategory::menuEntries, "Menu Entries"},
    {RemnantCategory::dotFolders, "Dot Folders"},
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

bool holdsDisposableContent(RemnantCategory category)
{
    return category == RemnantCategory::caches || category == RemnantCategory::logs ||
           category == RemnantCategory::cache;
}
