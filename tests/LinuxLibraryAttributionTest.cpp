// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtPrinters.h"
#include "TempTree.h"
#include "linuxdesktop/LinuxInventory.h"
#include "linuxdesktop/LinuxOwnerIdentifier.h"
#include "platform/PosixPlatform.h"
#include "ui/EvidenceText.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

struct Package {
    const char *name;
    const char *fields; // the stanza's lines after Package and Status
    std::vector<const char *> files;
};

// A Debian system: dpkg's status and file lists, apt's record of what it installed as a dependency, dpkg's log.
struct DebianSystem {
    TempTree tree;
    DebianSystem(const std::vector<Package> &packages, const char *automatic, const char *log)
    {
        std::string status;
        for (const Package &package : packages) {
            status += std::string("Package: ") + package.name + "\nStatus: install ok installed\n" + package.fields +
                      "Architecture: amd64\n\n";
            std::string list = "/.\n/usr\n";
            for (const char *file : package.files) {
                list += std::string(file) + "\n";
                tree.writeFile(file + 1);
            }
            tree.writeFile(std::string("var/lib/dpkg/info/") + package.name + ".list", list);
        }
        tree.writeFile("var/lib/dpkg/status", status);
        std::string states;
        for (const QString &name : QString::fromUtf8(automatic).split(u' ', Qt::SkipEmptyParts))
            states += "Package: " + name.toStdString() + "\nArchitecture: amd64\nAuto-Installed: 1\n\n";
        tree.writeFile("var/lib/apt/extended_states", states);
        tree.writeFile("var/log/dpkg.log", log);
        tree.makeFolder("home/me");
        // /usr merged: the program is found under /bin too.
        tree.makeSymlink("bin", "usr/bin");
    }
    LinuxOwnerIdentifier::Attribution identify(const char *entry) const
    {
        const fs::path path = tree.makeFolder(std::string("home/me/") + entry);
        const PosixPlatform platform(tree.root(), tree.path("home/me"));
        const LinuxOwnerIdentifier identifier(LinuxInventory::build(platform), platform);
        return identifier.identifyOwner(QString::fromUtf8(path.filename().c_str()), path,
                                        RemnantCategory::configuration);
    }
};

// A program split the way Debian splits one: the program, its library and its data, of one source.
const std::vector<Package> player = {
    {"qqplay-bin", "Source: qqplay\nSection: video\nDepends: libqqplay5, qqplay-data\n", {"/usr/bin/qqplay"}},
    {"libqqplay5", "Source: qqplay\nSection: libs\n", {"/usr/lib/x86_64-linux-gnu/qqplay/plugins/codec.so"}},
    {"qqplay-data", "Source: qqplay\nSection: video\n", {"/usr/share/qqplay/skin.png"}},
    // A library of a program never installed here, and one a tool reads itself.
    {"libqqchat0", "Source: qqchat\nSection: libs\n", {"/usr/lib/x86_64-linux-gnu/qqchat-2/irc.so"}},
    {"libssl3", "Source: openssl\nSection: libs\n", {"/usr/lib/x86_64-linux-gnu/libssl.so.3"}},
    {"bash", "Section: shells\nPriority: required\n", {"/usr/bin/bash"}},
};

} // namespace

// Only what runs as a program or serves it makes the program's entries installed: its libraries and data, kept after
// it was removed or installed for other programs, do not.
TEST(LinuxLibraryAttribution, OnlyAProgramsOwnPackageKeepsItsEntries)
{
    // The program installed on purpose, its library and data as its dependencies.
    const DebianSystem installed(player, "libqqplay5 qqplay-data libqqchat0 libssl3", "");
    const auto used = installed.identify(".config/qqplay");
    EXPECT_EQ(used.owner.status, RemnantStatus::stale) << EvidenceText::text(used.owner.evidence).toStdString();
    EXPECT_EQ(used.owner.bundleID, "qqplay-bin");

    const auto chat = installed.identify(".qqchat");
    EXPECT_EQ(chat.owner.status, RemnantStatus::orphan);
    EXPECT_TRUE(EvidenceText::text(chat.owner.evidence).contains("libqqchat0 has the name but is a library"))
        << EvidenceText::text(chat.owner.evidence).toStdString();
    ASSERT_TRUE(chat.reason);
    EXPECT_EQ(chat.reason->rule, AttributionReason::Rule::libraryIsNoProgram);
    EXPECT_EQ(chat.reason->source, "libqqchat0");
    EXPECT_EQ(chat.reason->cue, LibraryCue::libraryName);

    // `apt-get remove qqplay`: the program's metapackage went, and apt keeps the rest only until an autoremove.
    const DebianSystem removed(player, "qqplay-bin libqqplay5 qqplay-data libqqchat0 libssl3",
                               "2026-01-02 10:00:00 remove qqplay:amd64 1.2-1 <none>\n");
    for (const char *entry : {".config/qqplay", ".local/share/qqplay"}) {
        const auto left = removed.identify(entry);
        EXPECT_EQ(left.owner.status, RemnantStatus::orphan)
            << entry << ": " << EvidenceText::text(left.owner.evidence).toStdString();
        EXPECT_EQ(left.owner.bundleID, "qqplay") << entry;
    }
    // Something installed on purpose still needs the library: the program's own package is gone all the same.
    std::vector<Package> needed = player;
    needed.erase(needed.begin());
    needed.push_back({"qqtranscode", "Section: video\nDepends: libqqplay5\n", {"/usr/bin/qqtranscode"}});
    const DebianSystem kept(needed, "libqqplay5 qqplay-data libqqchat0 libssl3",
                            "2026-01-02 10:00:00 remove qqplay-bin:amd64 1.2-1 <none>\n");
    const auto library = kept.identify(".config/qqplay");
    EXPECT_EQ(library.owner.status, RemnantStatus::orphan) << EvidenceText::text(library.owner.evidence).toStdString();
    EXPECT_TRUE(EvidenceText::text(library.owner.evidence).contains("libqqplay5, a library,"))
        << EvidenceText::text(library.owner.evidence).toStdString();
}

// A name of several words belongs to what matches all of it; one word of it only looks alike.
TEST(LinuxLibraryAttribution, OneWordOfALongerNameIsOnlyALookalike)
{
    const DebianSystem system(
        {{"qqmake", "Section: devel\n", {"/usr/bin/qqmake"}}, {"qqtool2", "Section: utils\n", {"/usr/bin/qqtool2"}}},
        "", "");
    struct Case {
        const char *entry;
        RemnantStatus status;
        const char *word;
    };
    const Case cases[] = {
        {".qqmake", RemnantStatus::stale, nullptr},
        {".config/qqmake-2.1", RemnantStatus::stale, nullptr},
        {".qqtool2", RemnantStatus::stale, nullptr},
        // Camel case, separators and digits make further words.
        {".QqmakeVideo", RemnantStatus::orphan, "qqmake"},
        {".local/share/qqmake_studio", RemnantStatus::orphan, "qqmake"},
        {".cache/qqmake3d", RemnantStatus::orphan, "qqmake"},
    };
    for (const Case &c : cases) {
        const auto found = system.identify(c.entry);
        EXPECT_EQ(found.owner.status, c.status)
            << c.entry << ": " << EvidenceText::text(found.owner.evidence).toStdString();
        if (!c.word)
            continue;
        EXPECT_FALSE(found.owner.bundleID) << c.entry;
        ASSERT_TRUE(found.reason) << c.entry << ": " << EvidenceText::text(found.owner.evidence).toStdString();
        EXPECT_EQ(found.reason->rule, AttributionReason::Rule::wordIsNoName) << c.entry;
        EXPECT_EQ(found.reason->matchedName, c.word) << c.entry;
        EXPECT_TRUE(EvidenceText::text(found.owner.evidence).contains("a look-alike, not the owner")) << c.entry;
    }
}

// What a library or a shared tool reads under a name of its own is theirs, by the catalogue and its documentation.
TEST(LinuxLibraryAttribution, FilesThatLibrariesReadAreTheirs)
{
    const DebianSystem system(player, "libssl3", "");
    const auto seed = system.identify(".rnd");
    EXPECT_EQ(seed.owner.status, RemnantStatus::stale) << EvidenceText::text(seed.owner.evidence).toStdString();
    EXPECT_EQ(seed.owner.bundleID, "libssl3");
    ASSERT_TRUE(seed.reason);
    EXPECT_EQ(seed.reason->rule, AttributionReason::Rule::readByLibrary);
    EXPECT_EQ(seed.reason->source, "RAND_load_file(3ssl)");
    EXPECT_TRUE(
        EvidenceText::text(seed.owner.evidence).contains("is read by OpenSSL (documented in RAND_load_file(3ssl))"));
    // Without the library nothing reads it.
    const auto service = system.identify(".pg_service.conf");
    EXPECT_EQ(service.owner.status, RemnantStatus::orphan) << EvidenceText::text(service.owner.evidence).toStdString();
    EXPECT_TRUE(EvidenceText::text(service.owner.evidence).contains("none of libpq5"));
}
