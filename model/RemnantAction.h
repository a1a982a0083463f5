// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/FinderTagColor.h"

#include <optional>

// What the user has done with an entry: nothing yet, tagged it with a colour, or moved it to the Trash.
class RemnantAction {
public:
    enum class Kind { tagged, none, trashed };

    constexpr RemnantAction() = default;

    static constexpr RemnantAction none() { return RemnantAction(); }
    static constexpr RemnantAction trashed() { return RemnantAction(Kind::trashed, std::nullopt); }
    static constexpr RemnantAction tagged(FinderTagColor tag) { return RemnantAction(Kind::tagged, tag); }

    constexpr Kind kind() const { return m_kind; }
    // The tag colour chosen; present exactly when the action is `tagged`.
    constexpr std::optional<FinderTagColor> tag() const { return m_tag; }

    friend constexpr bool operator==(const RemnantAction &, const RemnantAction &) = default;

private:
    constexpr RemnantAction(Kind kind, std::optional<FinderTagColor> tag)
        : m_kind(kind)
        , m_tag(tag)
    {}

    Kind m_kind = Kind::none;
    std::optional<FinderTagColor> m_tag;
};
