#include "model/RemnantCategory.h"

#include <array>

template <> std::span<const RemnantCategory> allCases<RemnantCategory>()
{
    static constexpr std::array cases{RemnantCategory::applicationSupport,
                                      RemnantCategory::applicationScripts,
                                      RemnantCategory::launchAgents,
                                      RemnantCategory::launchDaemons,
                                      RemnantCategory::preferences,
                                      RemnantCategory::caches,
                                      RemnantCategory::containers,
                                      RemnantCategory::savedState,
                                      RemnantCategory::logs,
                                      RemnantCategory::cronJobs,
                                      RemnantCategory::other};
    return cases;
}

QString rawValue(RemnantCategory category)
{
    switch (category) {
    case RemnantCategory::applicationSupport:
        return QStringLiteral("Application Support");
    case RemnantCategory::applicationScripts:
        return QStringLiteral("Application Scripts");
    case RemnantCategory::launchAgents:
        return QStringLiteral("LaunchAgents");
    case RemnantCategory::launchDaemons:
        return QStringLiteral("LaunchDaemons");
    case RemnantCategory::preferences:
        return QStringLiteral("Preferences");
    case RemnantCategory::caches:
        return QStringLiteral("Caches");
    case RemnantCategory::containers:
        return QStringLiteral("Containers");
    case RemnantCategory::savedState:
        return QStringLiteral("Saved Application State");
    case RemnantCategory::logs:
        return QStringLiteral("Logs");
    case RemnantCategory::cronJobs:
        return QStringLiteral("Cron Jobs");
    case RemnantCategory::other:
        return QStringLiteral("Other");
    }
    return {};
}

QString icon(RemnantCategory category)
{
    switch (category) {
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
    }
    return {};
}

SystemColor color(RemnantCategory category)
{
    switch (category) {
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
    }
    return SystemColor::secondaryLabel;
}
