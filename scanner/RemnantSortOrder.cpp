// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/RemnantSortOrder.h"

#include <algorithm>
#include <array>

template <> std::span<const RemnantSortOrder> allCases<RemnantSortOrder>()
{
    static constexpr std::array cases{RemnantSortOrder::riskDescending, RemnantSortOrder::sizeDescending,
                                      RemnantSortOrder::nameAscending, RemnantSortOrder::lastUsedDescending};
    return cases;
}

namespace {

// Plain ordering of Unicode scalar values. UTF-16 code units order the same way except that surrogates (which
// encode the scalars above U+FFFF) sort below U+E000..U+FFFF; moving them up restores scalar order.
char32_t scalarOrderKey(char16_t unit)
{
    if (unit >= 0xE000)
        return unit - 0x800;
    if (unit >= 0xD800)
        return unit + 0x2000;
    return unit;
}

bool scalarLess(const QString &left, const QString &right)
{
    const qsizetype common = std::min(left.size(), right.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t a = left[i].unicode();
        const char16_t b = right[i].unicode();
        if (a != b)
            return scalarOrderKey(a) < scalarOrderKey(b);
    }
    return left.size() < right.size();
}

} // namespace

bool sortsBefore(RemnantSortOrder order, const RemnantItem &left, const RemnantItem &right)
{
    switch (order) {
    case RemnantSortOrder::riskDescending:
        return rank(left.risk()) < rank(right.risk());
    case RemnantSortOrder::sizeDescending:
        return left.displayedSize() > right.displayedSize();
    case RemnantSortOrder::nameAscending:
        return scalarLess(left.name(), right.name());
    case RemnantSortOrder::lastUsedDescending:
        // Without any date an item counts as used in the distant past, so it comes first.
        return left.lastUseSortKey() < right.lastUseSortKey();
    }
    return false;
}
