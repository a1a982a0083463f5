// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TrashRaces.h"

#include "NameSwap.h"
#include "TestProfiles.h"
#include "TrashInspection.h"
#include "Unprivileged.h"
#include "identification/AppIdentifierService.h"
#include "mac/MacOwnerResolver.h"
#include "platform/PosixPlatform.h"
#include "platform/TrashInfo.h"
#include "scanner/LocationScanner.h"
#include "scanner/RemnantScanner.h"
#include "scanner/RemovalGuard.h"
#include "scanner/TrashRestore.h"

#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Writes the entry in the folder that `folder` refers to, wherever a race has put that folder, unless it is there.
void keepEntry(int folder, const char *name, std::string_view contents)
{
    const int file = openat(folder, name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (file < 0)
        return;
    [[maybe_unused]] const ssize_t written = write(file, contents.data(), contents.size());
    close(file);
}

const std::string Information = "2024-01-01T00:00:00";

} // namespace

TrashRaces::TrashRaces()
{
    m_tree.writeFile("outside/qqvv", "outside");
    m_tree.writeFile("Users/me/Library/Caches/qqvv", "inside");
    m_tree.makeSymlink("Users/me/Library/Caches.swapped", m_tree.path("outside").native());
    // The home's owner must reach their home to race in it.
    chmod(m_tree.root().c_str(), 0755);
    lchown(home().c_str(), homeOwner(), homeOwner());
    for (const auto &entry : fs::recursive_directory_iterator(home())) {
        if (entry.path().filename() != "Caches.swapped")
            lchown(entry.path().c_str(), homeOwner(), homeOwner());
    }
    m_inside = open(m_tree.path("Users/me/Library/Caches").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

TrashRaces::~TrashRaces()
{
    if (m_inside >= 0)
        close(m_inside);
}

uid_t TrashRaces::homeOwner() const
{
    return geteuid() == 0 ? UnprivilegedUser : geteuid();
}

RemnantItemPtr TrashRaces::listedItem(const Platform &platform) const
{
    const MacProfile profile = macProfileOver(platform);
    const MacOwnerResolver resolver(Inventory{}, platform, std::make_shared<AppIdentifierService>());
    const ScanLocation location{{m_tree.path("Users/me/Library/Caches")}, RemnantCategory::caches, false};
    LocationScanner::Result listing = LocationScanner::scanLocation(
        location, platform, profile, resolver, 365, [](int, int) {}, [](const std::vector<RemnantItemPtr> &) {});
    return listing.rest.size() == 1 ? listing.rest.front() : nullptr;
}

void TrashRaces::swapCaches() const
{
    for (int exchange = 0; exchange < 2; ++exchange)
        swapNames(m_caches, m_swapped);
}

bool TrashRaces::ownerCanSwap() const
{
    return runUnprivileged([&] { return std::string(swapNames(m_caches, m_swapped) ? "swapped" : "refused"); }) ==
               "swapped" &&
           swapNames(m_caches, m_swapped);
}

bool TrashRaces::trashOver(RemnantScanner &scanner, const RemnantItemPtr &item) const
{
    const auto before = outsideListing();
    for (const bool privileged : {false, true}) {
        for (int attempt = 0; attempt < Attempts && outsideListing() == before; ++attempt) {
            keepEntry(m_inside, "qqvv", "inside");
            if (privileged) {
                scanner.moveToTrashWithAdminRights(item);
            } else {
                scanner.moveToTrash(item, ScanSession::Confirmation::byName);
                item->setAction(RemnantAction::none());
            }
        }
    }
    return outsideListing() == before;
}

bool TrashRaces::trashOnce(RemnantScanner &scanner, const Platform &platform)
{
    const RemnantItemPtr item = listedItem(platform);
    if (!item)
        return false;
    scanner.moveToTrash(item, ScanSession::Confirmation::byName);
    return isThere(trashedItem());
}

fs::path TrashRaces::trashedItem() const
{
    return m_tree.path("Users/me/.local/share/Trash/files/qqvv");
}

bool TrashRaces::restoreOver(const Platform &platform) const
{
    const fs::path original = m_tree.path("Users/me/Library/Caches/qqvv");
    const fs::path infoFile = m_tree.path("Users/me/.local/share/Trash/info/qqvv.trashinfo");
    const std::string info = TrashInfo{original.native(), Information}.text();
    fs::remove(m_tree.path("outside/qqvv"));
    for (int attempt = 0; attempt < Attempts && outsideListing().empty(); ++attempt) {
        const RestoreOutcome outcome = TrashRestore::restore(
            platform, RemovalGuard(platform, macProfileOver(platform), {}), trashedItem(), original);
        if (outcome.success && renameat(m_inside, "qqvv", AT_FDCWD, trashedItem().c_str()) == 0)
            std::ofstream(infoFile, std::ios::trunc) << info;
    }
    return outsideListing().empty();
}

std::map<std::string, std::string> TrashRaces::outsideListing() const
{
    return treeListing(m_tree.path("outside"));
}

bool TrashRaces::trashHoldsOnlyWhatWasInside() const
{
    for (const auto &entry : fs::directory_iterator(trashedItem().parent_path())) {
        if (TempTree::readFile(entry.path()) != "inside")
            return false;
    }
    return true;
}
