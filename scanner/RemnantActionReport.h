// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/FinderTagColor.h"

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
        QString reason; // in plain words, such as "Permission denied" or "It no longer exists"
    };
    QList<Failure> failures; // in the order of the items
    // The Trash refused some items for lack of rights, and the user chose not to move them as administrator.
    bool declinedAdministrator = false;

    // "Moved 41 items to the Trash; 2 could not be moved", "Moved 1 item to the Trash",
    // "Tagged 3 items Blue; 1 could not be tagged", "Put back 3 items; 1 could not be put back".
    QString summary() const;
    // One line "NAME: REASON" per failure.
    QString details() const;
};

Q_DECLARE_METATYPE(RemnantActionReport)
