// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// A folder of its own below the system's temporary folder for one fuzzing process, removed with everything in it
// when the process ends normally (libFuzzer leaves a crashing process without cleaning up).
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

class FuzzSupport {
public:
    // Every entry below a folder by its path relative to it: "d" for a folder, "f" and the contents for a file, "l"
    // and the target for a symbolic link.
    using Snapshot = std::map<std::string, std::string>;

    // Writes the bytes, replacing the file's contents; folders on the way are made.
    static void writeFile(const std::filesystem::path &file, std::string_view bytes);
    // A minimal application bundle with an XML Info.plist that holds the identifier.
    static void makeBundle(const std::filesystem::path &bundle, std::string_view identifier);
    // The pieces of the input between NUL bytes, the one byte no file name can hold.
    static std::vector<std::string_view> splitAtNul(std::string_view input);
    // Whether the bytes can be the name of one directory entry.
    static bool isEntryName(std::string_view name);
    static Snapshot snapshot(const std::filesystem::path &root);
    // The entries below `from` (itself included) moved to `to`.
    static void moveEntries(Snapshot &entries, const std::string &from, const std::string &to);
    // One line per entry, with its kind.
    static std::string describe(const Snapshot &entries);
    // The engine's diagnostic lines go nowhere.
    static void silenceDiagnostics();
    // A broken property: says which and aborts, so that libFuzzer keeps the input as a crash.
    [[noreturn]] static void fail(const std::string &what);
};
