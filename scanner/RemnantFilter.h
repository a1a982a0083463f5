#pragma once

#include "model/RemnantCategory.h"
#include "model/RemnantItem.h"

#include <QDateTime>
#include <QString>
#include <optional>

class RemnantScanner;

// The user's filters at one instant, as one predicate: category, orphans only, hide installed apps, not used
// recently and the search text, in that order. Made once per pass over the list.
class RemnantFilter {
public:
    explicit RemnantFilter(const RemnantScanner &scanner);

    bool accepts(const RemnantItem &item) const;

private:
    std::optional<RemnantCategory> m_category;
    bool m_orphansOnly;
    bool m_staleOnly;
    int m_thresholdDays;
    QString m_query;
    QDateTime m_now;
};
