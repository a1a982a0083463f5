#include "model/FinderTagColor.h"

#include <array>

template <> std::span<const FinderTagColor> allCases<FinderTagColor>()
{
    static constexpr std::array cases{FinderTagColor::red,   FinderTagColor::orange, FinderTagColor::yellow,
                                      FinderTagColor::green, FinderTagColor::blue,   FinderTagColor::purple,
                                      FinderTagColor::gray};
    return cases;
}

QString rawValue(FinderTagColor tag)
{
    switch (tag) {
    case FinderTagColor::red:
        return QStringLiteral("Red");
    case FinderTagColor::orange:
        return QStringLiteral("Orange");
    case FinderTagColor::yellow:
        return QStringLiteral("Yellow");
    case FinderTagColor::green:
        return QStringLiteral("Green");
    case FinderTagColor::blue:
        return QStringLiteral("Blue");
    case FinderTagColor::purple:
        return QStringLiteral("Purple");
    case FinderTagColor::gray:
        return QStringLiteral("Gray");
    }
    return {};
}

SystemColor color(FinderTagColor tag)
{
    switch (tag) {
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
    return SystemColor::gray;
}
