// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The restore information of a freedesktop Trash and what putting back makes of it. The input is the text of an info
// file, in which "@TREE@" stands for the scratch tree so that it can name places there. A path keeps its exact bytes
// through writing and reading again; an original path is absolute and never climbs out of the folder it is relative
// to; and putting back, planned as the command line plans it (the Trash's entries from a place, the guard's refusal),
// moves the one trashed item to exactly the place it was asked for, directly in a scanned folder, with its
// information, or leaves the tree as it was.
#include "FuzzSupport.h"
#include "mac/MacProfile.h"
#include "platform/FreedesktopTrash.h"
#include "platform/PosixPlatform.h"
#include "platform/TrashInfo.h"
#include "scanner/RemovalGuard.h"
#include "scanner/TrashRestore.h"

#include <cstdint>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view TreeToken = "@TREE@";
// Larger info files are not read.
constexpr std::size_t MaximumInputSize = 64 * 1024;

ScratchFolder *scratch = nullptr;

std::string withTree(std::string_view input, const std::string &tree)
{
    std::string text;
    for (std::size_t at; (at = input.find(TreeToken)) != std::string_view::npos;) {
        text.append(input.substr(0, at)).append(tree);
        input.remove_prefix(at + TreeToken.size());
    }
    return text.append(input);
}

// An operand as the command line takes it: absolute and normal, without a slash at its end.
fs::path normalised(const fs::path &path)
{
    std::string text = path.lexically_normal().native();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

void checkParsing(const std::string &text)
{
    const auto info = TrashInfo::parse(text);
    if (!info)
        return;
    if (info->path.empty() || info->path.find('\0') != std::string::npos)
        FuzzSupport::fail("a parsed path is empty or holds a NUL byte");
    const auto again = TrashInfo::parse(TrashInfo{info->path, "2024-01-01T00:00:00"}.text());
    if (!again || again->path != info->path)
        FuzzSupport::fail("the path " + info->path + " does not survive writing and reading");
    const fs::path recorded(info->path);
    bool climbs = false;
    for (const fs::path &part : recorded)
        climbs = climbs || part == "..";
    const auto original = info->originalPath("/top");
    if (!original)
        return;
    if (!original->is_absolute() || original->filename().empty() || original->filename() == "." ||
        original->filename() == "..")
        FuzzSupport::fail("the original path " + original->native() + " has no name or is not absolute");
    if (!recorded.is_absolute() && (climbs || !original->native().starts_with("/top/")))
        FuzzSupport::fail("the relative path " + info->path + " leads out of its folder to " + original->native());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static ScratchFolder instance;
    scratch = &instance;
    FuzzSupport::silenceDiagnostics();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > MaximumInputSize)
        return -1;
    const fs::path tree = scratch->path() / "tree";
    const std::string text = withTree(std::string_view(reinterpret_cast<const char *>(data), size), tree.native());
    checkParsing(text);

    const fs::path home = tree / "Users" / "f";
    const fs::path caches = home / "Library" / "Caches";
    const FreedesktopTrash trash(home, ".local/share/Trash");
    fs::remove_all(tree);
    fs::create_directories(caches);
    fs::create_directories(home / "Documents");
    for (const fs::path &own : {trash.folder(), trash.folder() / "files", trash.folder() / "info"}) {
        fs::create_directories(own);
        chmod(own.c_str(), 0700);
    }
    FuzzSupport::writeFile(caches / "taken", "taken");
    const fs::path trashed = trash.folder() / "files" / "item";
    FuzzSupport::writeFile(trashed, "trashed");
    FuzzSupport::writeFile(trash.folder() / "info" / "item.trashinfo", text);

    const auto shared = std::make_shared<PosixPlatform>(tree, home);
    const PosixPlatform &platform = *shared;
    const RemovalGuard guard(platform, MacProfile(shared), {});
    std::vector<fs::path> places{caches / "item", caches / "taken", home / "Documents" / "item"};
    if (const auto info = TrashInfo::parse(text)) {
        if (const auto original = info->originalPath(trash.folder().parent_path()))
            places.push_back(*original);
    }
    const FuzzSupport::Snapshot before = FuzzSupport::snapshot(tree);
    for (const fs::path &given : places) {
        const fs::path original = normalised(given);
        const std::vector<TrashEntry> entries = platform.trashEntriesFrom(original);
        for (const TrashEntry &entry : entries) {
            if (entry.trashedPath != trashed)
                FuzzSupport::fail("an entry from " + original.native() + " is " + entry.trashedPath.native());
        }
        if (entries.empty() || TrashRestore::refusal(platform, guard, original))
            continue;
        const RestoreOutcome outcome = TrashRestore::restore(platform, guard, entries.front().trashedPath, original);
        FuzzSupport::Snapshot expected = before;
        if (outcome.success) {
            if (original.parent_path() != caches)
                FuzzSupport::fail("the item went back to " + original.native() + ", outside the scanned folder");
            FuzzSupport::moveEntries(expected, trashed.lexically_relative(tree).native(),
                                     original.lexically_relative(tree).native());
            expected.erase("Users/f/.local/share/Trash/info/item.trashinfo");
        }
        const FuzzSupport::Snapshot after = FuzzSupport::snapshot(tree);
        if (after != expected)
            FuzzSupport::fail("putting back to " + original.native() + " left\n" + FuzzSupport::describe(after) +
                              "instead of\n" + FuzzSupport::describe(expected) +
                              outcome.errorDescription.toStdString());
        if (outcome.success)
            break;
    }
    fs::remove_all(tree);
    return 0;
}
