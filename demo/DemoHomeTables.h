// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The demo home's tables, read once from the program's DemoHome.json.
struct DemoHomeTables {
    // What the demo machine has installed.
    struct Helper {
        std::string subfolder;  // below Contents
        std::string fileName;   // with its extension
        std::string identifier; // empty for items that are no bundles
    };

    struct Application {
        std::string folder; // below the root, or below the home folder when it starts with "~/"
        std::string name;
        std::string identifier;
        std::string version;
        std::string executable;
        std::string urlScheme;
        std::vector<std::string> contentTypes;
        std::vector<Helper> helpers;
        int installedDaysAgo;
        int executableKilobytes;
    };

    // What the demo machine keeps in its Library folders.
    enum class Place {
        applicationSupport,
        applicationScripts,
        userLaunchAgents,
        launchAgents,
        launchDaemons,
        preferences,
        caches,
        containers,
        savedState,
        logs,
    };

    enum class Shape {
        xmlSettings,    // an XML property list of settings
        binarySettings, // the same in the binary format
        launchJob,      // a launchd job; detail is the program, label the job's Label when it differs from the name
        file,           // one file whose content follows its extension
        folder,         // detail lists the files inside, separated by "|"; without any the folder stays empty
        electron,       // the data folder of an Electron application
        urlCache,       // a URL cache folder
        container,      // a sandbox container named after its bundle identifier
        windowState,    // saved window state
    };

    struct Entry {
        Place place;
        std::string name;
        Shape shape;
        int kilobytes;
        int accessedDaysAgo;
        int modifiedDaysAgo;
        std::string detail = {};
        std::string label = {};
    };

    // What the leftover folders hold besides the few named files above: cached downloads, media and databases of the
    // sizes such folders reach on a Mac in use, a few hundred files in all, so that their sizes on disk look real. A
    // disk image is sparse, as virtual machine disks are: large in length, small on disk.

    struct Payload {
        Place place;
        std::string entry;  // a folder of the entries
        std::string folder; // inside the entry
        std::string prefix; // of each file's name, followed by its number
        int files;
        int kilobytesEach;
    };

    struct SparseImage {
        Place place;
        std::string entry;
        std::string file;
        std::int64_t length;
        int writtenKilobytes; // at its start
    };

    struct Touch {
        Place place;
        std::string entry;
        std::string file; // inside the entry
        int modifiedDaysAgo;
    };

    std::vector<Application> applications;
    std::vector<Entry> entries;
    std::vector<Payload> payloads;
    std::vector<SparseImage> sparseImages;
    std::vector<Touch> touched;

    // Throws std::runtime_error when the tables are missing or empty.
    static const DemoHomeTables &get();
    // The folder of a place on the demo machine.
    static std::filesystem::path placeFolder(Place place, const std::filesystem::path &root,
                                             const std::filesystem::path &home);
};
