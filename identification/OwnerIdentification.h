#pragma once

#include "model/RemnantStatus.h"

#include <QString>
#include <optional>

// Who owns a leftover entry, whether the owner is installed (stale) or not (orphan), and why it was
// attributed to that owner.
struct OwnerIdentification {
    std::optional<QString> bundleID;
    std::optional<QString> appName;
    RemnantStatus status = RemnantStatus::orphan;
    QString evidence;
};
