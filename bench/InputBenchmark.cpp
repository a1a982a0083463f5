// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a scan costs when the files it reads for content are hostile:
//   leftscan-bench-input identifier|shared-references|autostart
// identifier: the inventory, and the index the identification builds from it, of a Mac whose applications carry
//   bundle identifiers of 33 MB and of just under the largest property list read;
// shared-references: the inventory of a Mac whose applications' Info.plist files are binary lists of some 600 bytes
//   whose shared references unfold to a quarter of a gigabyte each, read on the usual number of threads;
// autostart: the inventory and the listing of the autostart folder of a Linux home whose one autostart entry is a
//   500 MB file (sparse, so it takes no room).
// The tree is written below a temporary folder and removed at the end. Each figure is one line: figure, value,
// target, pass|fail|- separated by tabs. Run one scenario per process, so that the peak memory is its own.
#include "PeakMemory.h"
#include "identification/OwnerIdentifier.h"
#include "inventory/InstalledAppScanner.h"
#include "linuxdesktop/LinuxInventory.h"
#include "linuxdesktop/LinuxOwnerIdentifier.h"
#include "linuxdesktop/LinuxProfile.h"
#include "platform/DiagnosticLog.h"
#include "platform/PosixPlatform.h"
#include "scanner/LocationScanner.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr double MaximumSeconds = 1.0;
constexpr double MaximumMegabytes = 100.0;

void figure(const std::string &name, double value, double limit)
{
    std::printf("%s\t%.2f\t< %g\t%s\n", name.c_str(), value, limit, value < limit ? "pass" : "fail");
    std::fflush(stdout);
}

void writeFile(const fs::path &path, std::string_view bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

std::string bigEndian(std::uint64_t value, int width)
{
    std::string bytes;
    for (int shift = 8 * (width - 1); shift >= 0; shift -= 8)
        bytes += char((value >> shift) & 0xFF);
    return bytes;
}

// A binary list whose root dictionary holds an identifier and, under "Types", the first of `levels` arrays that
// each refer `fanOut` times to the next; the last refers to one string. Parsed, it holds fanOut^levels copies.
std::string sharedReferences(std::uint32_t levels, std::uint32_t fanOut, std::uint32_t stringLength)
{
    std::vector<std::string> objects;
    // 0: the root, 1 and 2: its keys, 3: the identifier, 4 to 4 + levels - 1: the arrays, then the string.
    objects.push_back(std::string("\xD2") + bigEndian(1, 2) + bigEndian(2, 2) + bigEndian(3, 2) + bigEndian(4, 2));
    objects.push_back("\x5F\x10\x12"
                      "CFBundleIdentifier");
    objects.push_back("\x55"
                      "Types");
    objects.push_back("\x5F\x10\x12"
                      "com.example.shared");
    for (std::uint32_t level = 0; level < levels; ++level) {
        std::string array = std::string("\xAF\x11") + bigEndian(fanOut, 2);
        for (std::uint32_t i = 0; i < fanOut; ++i)
            array += bigEndian(5 + level, 2);
        objects.push_back(array);
    }
    objects.push_back(std::string("\x5F\x11") + bigEndian(stringLength, 2) + std::string(stringLength, 'x'));
    std::string bytes = "bplist00";
    std::string table;
    for (const std::string &object : objects) {
        table += bigEndian(bytes.size(), 2);
        bytes += object;
    }
    return bytes + table + std::string(6, '\0') + "\x02\x02" + bigEndian(objects.size(), 8) + bigEndian(0, 8) +
           bigEndian(bytes.size(), 8);
}

void identifier(const fs::path &root)
{
    // Written a piece at a time, so that the peak memory is the scan's own.
    for (const auto &[name, length] : {std::pair<const char *, std::size_t>{"Huge", 33u << 20},
                                       {"Large", PosixPlatform::MaximumPropertyListSize - 1024}}) {
        const fs::path info = root / "Applications" / (std::string(name) + ".app") / "Contents/Info.plist";
        fs::create_directories(info.parent_path());
        std::ofstream out(info, std::ios::binary);
        out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
               "\t<key>CFBundleIdentifier</key>\n\t<string>com.";
        const std::string piece(1 << 16, 'h');
        for (std::size_t written = 0; written < length; written += piece.size())
            out.write(piece.data(), std::streamsize(std::min(piece.size(), length - written)));
        out << "</string>\n</dict>\n</plist>\n";
    }
    const PosixPlatform platform(root, root / "Users/bench");
    QElapsedTimer timer;
    timer.start();
    const Inventory inventory = InstalledAppScanner(platform).scanInstalledApps();
    const OwnerIdentifier owners(inventory, platform);
    figure("bundle identifiers of 33 MB and 8 MB: inventory and index (s)", double(timer.elapsed()) / 1000.0,
           MaximumSeconds);
    figure("bundle identifiers of 33 MB and 8 MB: peak memory (MB)", double(peakMemoryKilobytes()) / 1024.0,
           MaximumMegabytes);
}

void sharedReferenceLists(const fs::path &root)
{
    // Some 31^4 copies of a 100-byte string: within the limits of reading the whole document, a quarter of a
    // gigabyte in the parser.
    const std::string list = sharedReferences(4, 31, 100);
    constexpr int Applications = 8;
    for (int i = 0; i < Applications; ++i)
        writeFile(root / "Applications" / ("Shared" + std::to_string(i) + ".app") / "Contents/Info.plist", list);
    const PosixPlatform platform(root, root / "Users/bench");
    QElapsedTimer timer;
    timer.start();
    InstalledAppScanner(platform).scanInstalledApps();
    const std::string label = "8 binary Info.plist files of " + std::to_string(list.size()) + " bytes unfolding";
    figure(label + ": inventory (s)", double(timer.elapsed()) / 1000.0, MaximumSeconds);
    figure(label + ": peak memory (MB)", double(peakMemoryKilobytes()) / 1024.0, MaximumMegabytes);
}

void autostart(const fs::path &root)
{
    const fs::path home = root / "home/bench";
    const fs::path entry = home / ".config/autostart/huge.desktop";
    writeFile(entry, "[Desktop Entry]\nName=Huge\nExec=/usr/bin/huge\n");
    if (truncate(entry.c_str(), off_t(500) << 20) != 0)
        return;
    const auto platform = std::make_shared<PosixPlatform>(root, home);
    QElapsedTimer timer;
    timer.start();
    const LinuxProfile profile(platform);
    const std::shared_ptr<const OwnerResolver> owners = profile.prepareResolver(nullptr);
    for (const ScanLocation &location : profile.scanLocations()) {
        if (location.category == RemnantCategory::autostart)
            LocationScanner::scanLocation(
                location, *platform, profile, *owners, 365, [](int, int) {},
                [](const std::vector<RemnantItemPtr> &) {});
    }
    figure("autostart entry of 500 MB: inventory and listing (s)", double(timer.elapsed()) / 1000.0, MaximumSeconds);
    figure("autostart entry of 500 MB: peak memory (MB)", double(peakMemoryKilobytes()) / 1024.0, MaximumMegabytes);
}

} // namespace

int main(int argc, char **argv)
{
    const std::string_view scenario = argc == 2 ? argv[1] : "";
    void (*run)(const fs::path &) = scenario == "identifier"          ? identifier
                                    : scenario == "shared-references" ? sharedReferenceLists
                                    : scenario == "autostart"         ? autostart
                                                                      : nullptr;
    if (!run) {
        std::fprintf(stderr, "usage: %s identifier|shared-references|autostart\n", argv[0]);
        return 2;
    }
    DiagnosticLog::setSink([](const QString &) {});
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    run(fs::path(folder.path().toStdString()));
    return 0;
}
