// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>

#include "cli/CommandLine.h"

// Puts leftovers back from the Trash at the places they were moved from. Each path names such a place directly in
// a Library folder that a scan of the line's root and home lists; of the items the Trash holds from one place, the
// latest moved there goes back. A path with no item in the Trash, or that names another place, is refused (exit
// status 4) and nothing is put back; an item that cannot go back stays in the Trash and is told (exit status 1).
class RestoreCommand {
    Q_DECLARE_TR_FUNCTIONS(RestoreCommand)

public:
    static int restore(const CommandLine &line);
};
