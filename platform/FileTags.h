#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>

// The tag names of a file, kept in an extended attribute of the item itself: on the Mac the Finder tags, on
// Linux the desktop's user.xdg.tags. A symbolic link is never followed, so tagging a link never tags its target.
class FileTags {
public:
    // Replaces the item's tags with `names` (an empty list removes them). Returns an error description on
    // failure, nothing on success.
    static std::optional<QString> setTags(const std::filesystem::path &path, const QStringList &names);
    // The item's tag names; empty when it has none or they cannot be read.
    static QStringList tags(const std::filesystem::path &path);
};
