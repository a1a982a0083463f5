// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/RestoreOutcome.h"
#include "platform/TrashOutcome.h"

#include <filesystem>

class SystemTrash;
class TrustedFolder;

// Moving to the Trash through the system's own call, which takes a path and chooses the name in the Trash, and
// putting back from where it said the item went. The safety rules hold as far as such a call allows: the item's folder
// is the one the caller checked and holds, reached again without any symbolic link right before the call; the item
// that left must be the one looked at (the same device and inode), and anything else that went in its place meanwhile
// is put back at once; an item goes back only into the held folder, only where nothing is, and only when it is still
// the item that went to the Trash. The system keeps no record to put items back from, so the caller keeps where each
// went.
class MacTrash {
public:
    explicit MacTrash(const SystemTrash &system);

    TrashOutcome moveToTrash(const std::filesystem::path &item, const TrustedFolder &folder) const;
    RestoreOutcome restore(const std::filesystem::path &trashedItem, const std::filesystem::path &original,
                           const TrustedFolder &folder) const;

private:
    const SystemTrash &m_system;
};
