#pragma once

#include "platform/Bundle.h"
#include "platform/DirectoryEntry.h"
#include "platform/PropertyList.h"
#include "platform/RunningApplication.h"

#include <QDateTime>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

// The operating-system services the engine uses. Every other part of the engine reaches the file system,
// bundles, property lists and the running applications through this interface only. Failures never
// escape: they read as nothing found, false or absent.
class Platform {
public:
    enum class Hidden { Skip, Include };

    virtual ~Platform() = default;

    // A system-wide path of the Mac layout ("/Applications", "/usr/local/bin") as a path on this machine,
    // below the folder that stands for the root of the scanned system.
    virtual std::filesystem::path systemPath(std::string_view macPath) const = 0;
    virtual std::filesystem::path homeDirectory() const = 0;

    // The direct children of a folder, in listing order; absent when the folder cannot be listed.
    virtual std::optional<std::vector<DirectoryEntry>> listDirectory(const std::filesystem::path &folder,
                                                                     Hidden hidden) const = 0;
    // Every item below a folder, depth first, hidden items left out. Never enters a bundle or other package,
    // never follows a symbolic link to a folder; folders that cannot be listed are passed over.
    virtual void walkTree(const std::filesystem::path &folder,
                          const std::function<void(const DirectoryEntry &)> &visit) const = 0;

    virtual bool exists(const std::filesystem::path &path) const = 0;
    virtual bool isReadable(const std::filesystem::path &path) const = 0;

    // A bundle folder with its identifier and info dictionary from Contents/Info.plist; absent when the path
    // is not a folder.
    virtual std::optional<Bundle> openBundle(const std::filesystem::path &path) const = 0;
    // A property-list file, read without changing its access date where the system allows it.
    virtual std::optional<PropertyList> readPropertyList(const std::filesystem::path &path) const = 0;

    virtual std::vector<RunningApplication> runningApplications() const = 0;
    virtual std::optional<QDateTime> lastUsedDate(const std::filesystem::path &path) const = 0;
    virtual std::optional<std::filesystem::path> applicationForBundleIdentifier(const QString &identifier) const = 0;
};
