// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "identification/OwnerIdentification.h"
#include "model/RemnantCategory.h"

#include <QStringList>
#include <filesystem>
#include <vector>

// Tells who owns the entries of one scan, prepared once per scan from the installed software (the inventory and
// whatever identification needs) and then asked from several threads at once.
class OwnerResolver {
public:
    struct Attribution {
        OwnerIdentification owner;
        // The owner is only a guess: an entry of an installed owner still needs a look.
        bool cautious = false;
        // Diagnostic lines of the decision, for the caller to write in the order of its choosing.
        QStringList log;
    };

    virtual ~OwnerResolver() = default;

    // Whether an entry that the profile counts (Profile::isCandidate) is still one once the installed software is
    // known; asked before `identify`, from the thread that lists the entry's folder.
    virtual bool isCandidate(const QString &name, RemnantCategory category) const = 0;
    virtual Attribution identify(const QString &name, const std::filesystem::path &url,
                                 RemnantCategory category) const = 0;
    // Installed software whose names an orphan's name also matches, sorted: it may belong to one of them after all.
    virtual QStringList lookalikes(const QString &name, const Attribution &attribution) const = 0;
    // The installed software's own items (application bundles), which nothing may move or tag.
    virtual std::vector<std::filesystem::path> protectedItems() const = 0;
};
