// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/PropertyListWriter.h"

#include <QString>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

// A real folder tree in a temporary directory, removed again (permissions restored first) when the
// object goes away. Relative paths are below the tree's root; bytes are kept exactly.
class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree &) = delete;
    TempTree &operator=(const TempTree &) = delete;

    const std::filesystem::path &root() const { return m_root; }
    std::filesystem::path path(std::string_view relative) const;

    std::filesystem::path makeFolder(std::string_view relative) const;
    std::filesystem::path writeFile(std::string_view relative, std::string_view contents = {}) const;
    std::filesystem::path makeSymlink(std::string_view relative, std::string_view target) const;
    // An application bundle with an XML Info.plist: `infoPlist(identifier, version)`, or one of the caller's.
    std::filesystem::path makeBundle(std::string_view relative, std::string_view identifier,
                                     std::string_view version = {}) const;
    std::filesystem::path makeBundle(std::string_view relative, const PropertyListWriter &info) const;
    void setTimes(std::string_view relative, long long accessSeconds, long long modificationSeconds) const;
    // Dates an item and everything inside it `days` days before now, as leftovers of a removed application are.
    void age(std::string_view relative, int days) const;

    // A bundle's Info.plist holding the identifier and the version; an empty one leaves its key out.
    static PropertyListWriter infoPlist(std::string_view identifier, std::string_view version = {});
    // A launch job's property list holding only its Label.
    static std::string launchJob(std::string_view label);
    static std::string readFile(const std::filesystem::path &path);

private:
    std::filesystem::path m_root;
};
