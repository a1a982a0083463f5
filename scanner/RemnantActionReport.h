// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/FinderTagColor.h"
#include "scanner/FailureReason.h"

#include <QList>
#include <QMetaType>
#include <QString>
#include <optional>

// What became of one action on several leftovers: how many were asked for, how many were done, and why each of
// the others was not.
struct RemnantActionReport {
    // `restore` puts the items of the last move to the Trash back.
    enum class Kind { trash, tag, restore };

    Kind kind = Kind::trash;
    std::optional<FinderTagColor> color; // the colour of a tag action
    int requested = 0;
    int succeeded = 0;
    struct Failure {
        QString name;
        FailureReason reason;
    };
    QList<Failure> failures; // in the order of the items
    // The Trash refused some items for lack of rights, and the user chose not to move them as administrator.
    bool declinedAdministrator = false;
};

Q_DECLARE_METATYPE(RemnantActionReport)
