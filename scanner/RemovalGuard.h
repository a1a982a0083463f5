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
// something else; the item itself, which is moved or tagged without following it, is not resolved. Made on any
// thread, it reads nothing after it is made but the item's folder.
class RemovalGuard {
public:
    // With the Linux profile, its folders stand for the Library folders: the item must lie directly in one.
    RemovalGuard(const Platform &platform, const std::vector<std::filesystem::path> &bundles,
                 ScanProfile profile = ScanProfile::mac);

    // Why the item must not be moved or tagged, as a sentence such as "It holds the home folder"; absent when it
    // may be.
    std::optional<QString> refusal(const std::filesystem::path &item) const;

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
