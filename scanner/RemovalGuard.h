#pragma once

#include "inventory/Inventory.h"
#include "model/ScanProfile.h"

#include <QString>
#include <filesystem>
#include <optional>
#include <vector>

class Platform;

// The last check before an item is moved to the Trash or tagged. The item must lie directly in one of the scan's
// Library folders that may be listed, and must not be, or hold, the home, its Library folder, a scan location
// folder, the root, the root's Library folder or an application bundle of the inventory. Paths are compared as
// they resolve at the moment of the check, so that a symbolic link planted above an item cannot make it stand for
// something else; the item itself, which is moved or tagged without following it, is not resolved. The scan's
// folders and the item's folder resolve only through links of the user or of the system: a link of another user,
// such as the owner of a home that the administrator cleans, could lead elsewhere by the time the item is moved. Made
// on any thread, it reads nothing after it is made but the item's folder.
class RemovalGuard {
public:
    // With the Linux profile, its folders stand for the Library folders: the item must lie directly in one.
    RemovalGuard(const Platform &platform, const std::vector<std::filesystem::path> &bundles,
                 ScanProfile profile = ScanProfile::mac);

    // Why the item must not be moved or tagged, as a sentence such as "It holds the home folder"; absent when it
    // may be, and then `folder`, when given, receives the item's folder as it resolved for the check: the path that
    // a move must open without following any symbolic link, so that it acts in the folder that was checked.
    std::optional<QString> refusal(const std::filesystem::path &item, std::filesystem::path *folder = nullptr) const;

    // The application bundles among the inventory's items, each once.
    static std::vector<std::filesystem::path> bundlesOf(const Inventory &inventory);

private:
    struct Protected {
        std::filesystem::path resolved;
        QString description;
    };

    const Platform &m_platform;
    std::vector<Protected> m_protected;
    // The resolved folders of the scan locations that may be listed.
    std::vector<std::filesystem::path> m_locations;
    ScanProfile m_profile;
};
