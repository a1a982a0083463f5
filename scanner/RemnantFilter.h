// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/RemnantCategory.h"
#include "model/RemnantItem.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <string>

class RemnantScanner;

// The user's filters at one instant, as one predicate: category, orphans only, hide installed apps, not used
// recently and the search text, in that order. Made once per pass over the list.
class RemnantFilter {
public:
    explicit RemnantFilter(const RemnantScanner &scanner);

    bool accepts(const RemnantItem &item) const;
    // Whether the item passes every filter but the search text.
    bool acceptsBesidesSearch(const RemnantItem &item) const;
    // The search text, lower-cased, in UTF-8; empty when there is none.
    const std::string &queryUtf8() const { return m_queryUtf8; }

private:
    std::optional<RemnantCategory> m_category;
    bool m_orphansOnly;
    bool m_staleOnly;
    int m_thresholdDays;
    QString m_query;
    std::string m_queryUtf8;
    QDateTime m_now;
};
