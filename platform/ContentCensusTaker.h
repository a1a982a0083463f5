// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ContentCensus.h"
#include "platform/UserFileNames.h"

#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <vector>

// Takes the census of one entry while FolderSizeMeter walks it: it hears of every folder entered and left and of
// every other item, each with its status, and reads the first bytes of at most ProbedFiles small files where their
// names cannot tell (UserFileNames), leaving their access dates as they were. Its memory is bounded by the depth of
// the walk.
class ContentCensusTaker {
public:
    static constexpr int ProbedFiles = 256;

    // `disposable` when the whole entry holds what programs make again at will (a cache or a log folder).
    explicit ContentCensusTaker(bool disposable);

    // The entry itself: a folder about to be walked, or a file, which `folder` (an open folder or AT_FDCWD) holds
    // under `openName`.
    void entryFolder(std::string_view name, const struct stat &info);
    void entryFile(int folder, const char *openName, std::string_view name, const struct stat &info);
    // A folder inside, just opened in the open folder `parent`, and the end of the folder entered last.
    void enterFolder(int parent, std::string_view name, const struct stat &info);
    void leaveFolder();
    // Any other item inside the folder entered last, whose open descriptor is `folder`.
    void item(int folder, std::string_view name, const struct stat &info);

    ContentCensus take() { return std::move(m_census); }

private:
    struct Level {
        unsigned traits;
        std::size_t pathLength; // of m_path without this folder's name
        // Whether the folder is a Maildir, once a folder inside it is named like one of a Maildir's.
        std::optional<bool> maildir = std::nullopt;
    };

    bool isMaildir(int folder, Level &level);
    void classify(int folder, const char *openName, std::string_view name, const struct stat &info);
    std::optional<UserFileKind> probe(int folder, const char *openName, const struct stat &info,
                                      UserFileNames::Probe kind);
    void count(UserFileKind kind, std::string_view name);
    void noteModified(const struct stat &info);
    std::string_view lowered(std::string_view name);

    ContentCensus m_census;
    std::vector<Level> m_levels;
    // The path below the entry of the folder entered last, each name followed by a slash.
    std::string m_path;
    std::string m_lowered;
    std::string m_candidate;
    // The kinds of the sample's paths, in the same order.
    std::vector<UserFileKind> m_sampleKinds;
    int m_probesLeft = ProbedFiles;
};
