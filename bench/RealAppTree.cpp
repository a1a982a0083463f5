// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RealAppTree.h"
#include "platform/PropertyListWriter.h"

#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

constexpr std::time_t Day = 24 * 60 * 60;

std::vector<std::string> split(const std::string &text, char separator)
{
    std::vector<std::string> pieces;
    std::stringstream stream(text);
    std::string piece;
    while (std::getline(stream, piece, separator))
        pieces.push_back(piece);
    return pieces;
}

void writeFile(const fs::path &path, const std::string &contents)
{
    fs::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary);
    file << contents;
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

void setTimes(const fs::path &path, std::time_t when)
{
    const timespec times[2] = {{when, 0}, {when, 0}};
    utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

// A number from the path alone, so that the tree is the same on every run.
std::uint64_t pathHash(const std::string &text)
{
    std::uint64_t hash = 1469598103934665603ULL;
    for (const unsigned char c : text)
        hash = (hash ^ c) * 1099511628211ULL;
    return hash;
}

} // namespace

std::vector<RealAppTree::App> RealAppTree::readTable(const fs::path &table)
{
    std::ifstream file(table);
    if (!file)
        throw std::runtime_error("cannot read " + table.string());
    std::vector<App> apps;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line.front() == '#')
            continue;
        const std::vector<std::string> columns = split(line, '\t');
        if (columns.size() != 3 || columns[0].empty() || columns[1].empty() || columns[2].empty())
            throw std::runtime_error("malformed row: " + line);
        App app{columns[0], columns[1], {}, columns[2] == "-"};
        if (!app.alwaysInstalled)
            app.entries = split(columns[2], '|');
        apps.push_back(std::move(app));
    }
    return apps;
}

std::map<fs::path, RealAppTree::Owner> RealAppTree::write(const std::vector<App> &apps, const fs::path &root,
                                                          int installedParity, std::time_t now)
{
    const fs::path home = RealAppTree::home(root);
    const fs::path userLibrary = home / "Library";
    for (const char *folder : {"Application Support", "Application Scripts", "LaunchAgents", "Preferences", "Caches",
                               "Containers", "Saved Application State", "Logs"})
        fs::create_directories(userLibrary / folder);
    for (const char *folder : {"LaunchAgents", "LaunchDaemons"})
        fs::create_directories(root / "Library" / folder);
    fs::create_directories(root / "Applications");

    std::map<fs::path, Owner> owners;
    for (std::size_t index = 0; index < apps.size(); ++index) {
        const App &app = apps[index];
        const bool installed = app.alwaysInstalled || int(index % 2) == installedParity;
        if (installed) {
            const fs::path bundle = root / "Applications" / (app.name + ".app");
            writeFile(bundle / "Contents" / "Info.plist", PropertyListWriter::dictionary()
                                                              .setString("CFBundleIdentifier", app.bundleID)
                                                              .setString("CFBundleName", app.name)
                                                              .setString("CFBundleExecutable", app.name)
                                                              .setString("CFBundleShortVersionString", "1.0")
                                                              .setString("CFBundlePackageType", "APPL")
                                                              .xml());
            fs::create_directories(bundle / "Contents" / "MacOS");
        }
        for (const std::string &entry : app.entries) {
            const fs::path path = entry.starts_with("/Library/") ? root / entry.substr(1) : userLibrary / entry;
            if (owners.contains(path))
                continue;
            const bool file = path.extension() == ".plist";
            if (file) {
                const bool launchItem =
                    path.parent_path().filename() == "LaunchAgents" || path.parent_path().filename() == "LaunchDaemons";
                PropertyListWriter list = PropertyListWriter::dictionary();
                if (launchItem)
                    list.setString("Label", path.stem().string());
                writeFile(path, list.xml());
            } else {
                writeFile(path / "data", std::string(512, 'x'));
                setTimes(path / "data", now - 30 * Day);
            }
            // Entries of removed applications were last touched long ago; of an installed application's entries,
            // about half were too (written once when it was set up, or the application is seldom used).
            const std::uint64_t hash = pathHash(entry);
            const bool old = !installed || hash % 2 == 0;
            const std::time_t when = now - (old ? std::time_t(400 + hash % 1200) : std::time_t(1 + hash % 60)) * Day;
            setTimes(path, when);
            owners.emplace(path, Owner{index, installed});
        }
    }
    return owners;
}
