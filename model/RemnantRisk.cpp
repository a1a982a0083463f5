#include "model/RemnantRisk.h"

#include <array>

template <> std::span<const RemnantRisk> allCases<RemnantRisk>()
{
    static constexpr std::array cases{RemnantRisk::safe, RemnantRisk::caution, RemnantRisk::review};
    return cases;
}

QString rawValue(RemnantRisk risk)
{
    switch (risk) {
    case RemnantRisk::safe:
        return QStringLiteral("Safe");
    case RemnantRisk::caution:
        return QStringLiteral("Caution");
    case RemnantRisk::review:
        return QStringLiteral("Review");
    }
    return {};
}

QString icon(RemnantRisk risk)
{
    switch (risk) {
    case RemnantRisk::safe:
        return QStringLiteral("checkmark.circle.fill");
    case RemnantRisk::caution:
        return QStringLiteral("exclamationmark.triangle.fill");
    case RemnantRisk::review:
        return QStringLiteral("xmark.circle.fill");
    }
    return {};
}

SystemColor color(RemnantRisk risk)
{
    switch (risk) {
    case RemnantRisk::safe:
        return SystemColor::green;
    case RemnantRisk::caution:
        return SystemColor::orange;
    case RemnantRisk::review:
        return SystemColor::red;
    }
    return SystemColor::red;
}

int rank(RemnantRisk risk)
{
    switch (risk) {
    case RemnantRisk::review:
        return 0;
    case RemnantRisk::caution:
        return 1;
    case RemnantRisk::safe:
        return 2;
    }
    return 2;
}
