// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TempTree.h"
#include "model/RemnantItem.h"

#include <filesystem>
#include <map>
#include <string>

class Platform;
class RemnantScanner;

// A home whose Library/Caches holds the entry "qqvv", a folder outside the home that holds an entry of that name too,
// and beside Caches a symbolic link "Caches.swapped" to the outside folder, made by whoever runs the test: for
// tests that race moves to the Trash and putting back by swapping Caches and the link, as somebody who may change
// the home's Library can. Run as root, the home belongs to another user, as when the administrator cleans a user's
// home; otherwise to the user who runs the test. Each race tries a fixed number of times, many times what a move by
// path needed to lose, and stops early once something from outside has moved.
class TrashRaces {
public:
    static constexpr int Attempts = 300;

    TrashRaces();
    ~TrashRaces();
    TrashRaces(const TrashRaces &) = delete;
    TrashRaces &operator=(const TrashRaces &) = delete;

    const TempTree &tree() const { return m_tree; }
    std::filesystem::path home() const { return m_tree.path("Users/me"); }
    uid_t homeOwner() const;
    // The listed entry of Caches, as a scan makes it.
    RemnantItemPtr listedItem(const Platform &platform) const;

    // Puts the link in the place of Caches and Caches back.
    void swapCaches() const;
    // Whether the home's owner, as a child of a test run as root would be, can swap Caches and the link.
    bool ownerCanSwap() const;
    // Moves the item to the Trash again and again, then with the administrator's helper, writing the entry into the
    // real Caches folder before each try; whether the outside folder stayed as it was.
    bool trashOver(RemnantScanner &scanner, const RemnantItemPtr &item) const;
    // Moves the listed item to the Trash once, for putting back.
    bool trashOnce(RemnantScanner &scanner, const Platform &platform);
    // Puts the trashed item back again and again, the outside folder emptied first; each time it went back, it goes
    // to the Trash again. Whether the outside folder stayed empty.
    bool restoreOver(const Platform &platform) const;
    std::filesystem::path trashedItem() const;

    // Whether everything in the Trash came from the real Caches folder.
    bool trashHoldsOnlyWhatWasInside() const;

private:
    std::map<std::string, std::string> outsideListing() const;

    TempTree m_tree;
    // Made beforehand, so that a racing child process needs no memory of its own.
    const std::filesystem::path m_caches = m_tree.path("Users/me/Library/Caches");
    const std::filesystem::path m_swapped = m_tree.path("Users/me/Library/Caches.swapped");
    int m_inside = -1;
};
