// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MacTreeGenerator.h"
#include "MacTreeGeneratorNames.h"
#include "MacTreeGeneratorText.h"

#include "platform/PropertyListWriter.h"

using namespace MacTreeNames;
using namespace MacTreeText;

std::string MacTreeGenerator::preferencesPlist(const PlannedEntry &entry, Random &random) const
{
    PropertyListWriter preferences = PropertyListWriter::dictionary();
    if (entry.owner != nullptr) {
        const AppIdentity &app = *entry.owner;
        const Vendor &vendor = m_vendors[app.vendor];
        preferences.setString("LastLaunchedVersion", app.version);
        const int left = random.between(0, 400);
        const int bottom = random.between(0, 300);
        preferences.setString("NSWindow Frame MainWindow",
                              std::to_string(left) + " " + std::to_string(bottom) + " 1024 768 0 0 1920 1080 ");
        preferences.set("SUEnableAutomaticChecks", PropertyListWriter::boolean(random.chance(0.7)));
        preferences.set("SULastCheckTime", PropertyListWriter::date(m_now - random.between(1, 900) * Day));
        std::string installId;
        for (int i = 0; i < 32; ++i)
            installId += HexDigits[random.below(16)];
        preferences.setString(compact(vendor.shortName) + "InstallID", installId);
        std::vector<std::string> recent;
        for (int i = random.between(0, 4); i > 0; --i) {
            const std::string document(random.pick(ProductWords));
            recent.push_back("/Users/bench/Documents/" + document + "." + std::string(random.pick(FileExtensions)));
        }
        preferences.set("RecentDocuments", stringArray(recent));
    } else {
        preferences.set("version", PropertyListWriter::integer(random.between(1, 9)));
        preferences.set("enabled", PropertyListWriter::boolean(random.chance(0.5)));
    }
    preferences.setString("NSNavLastRootDirectory", "~/Documents");
    preferences.set("launchCount", PropertyListWriter::integer(random.between(1, 5000)));
    return preferences.xml();
}

std::string MacTreeGenerator::launchJobPlist(const PlannedEntry &entry, Random &random) const
{
    PropertyListWriter job = PropertyListWriter::dictionary();
    if (entry.owner != nullptr && random.chance(0.5))
        job.set("AssociatedBundleIdentifiers", stringArray({entry.owner->bundleId}));
    job.setString("Label", entry.label);
    if (entry.place == Place::launchDaemons && random.chance(0.6))
        job.set("MachServices", PropertyListWriter::dictionary().set(entry.label, PropertyListWriter::boolean(true)));
    job.set("ProgramArguments", stringArray({entry.detail, random.chance(0.5) ? "--background" : "--launchd"}));
    job.set("RunAtLoad", PropertyListWriter::boolean(true));
    if (random.chance(0.5))
        job.set("KeepAlive", PropertyListWriter::boolean(random.chance(0.5)));
    else
        job.set("KeepAlive",
                PropertyListWriter::dictionary().set("SuccessfulExit", PropertyListWriter::boolean(false)));
    if (random.chance(0.3))
        job.set("StartInterval", PropertyListWriter::integer(3600 * random.between(1, 24)));
    if (random.chance(0.2))
        job.setString("StandardErrorPath", "/tmp/" + entry.label + ".err");
    job.setString("ProcessType", random.chance(0.5) ? "Interactive" : "Background");
    return job.xml();
}

std::string MacTreeGenerator::receiptPlist(const PlannedEntry &entry, Random &random) const
{
    const std::string name = entry.path.substr(entry.path.rfind('/') + 1);
    PropertyListWriter receipt = PropertyListWriter::dictionary();
    receipt.set("InstallDate", PropertyListWriter::date(m_now - random.between(1, 1400) * Day));
    receipt.setString("InstallPrefixPath", "/");
    receipt.setString("InstallProcessName", random.chance(0.8) ? "installer" : "Installer Progress");
    receipt.setString("PackageFileName", name);
    receipt.setString("PackageIdentifier", name.substr(0, name.rfind('.')));
    receipt.setString("PackageVersion", entry.owner != nullptr ? entry.owner->version : "1.0");
    return receipt.xml();
}

void MacTreeGenerator::writeEntry(const PlannedEntry &entry)
{
    Random random(entry.seed);
    Stamp stamp = makeStamp(random, entry.ownership);

    if (entry.ownership == Ownership::hidden) {
        writeHiddenEntry(entry, stamp, random);
        applyStamp(stamp);
        return;
    }

    switch (entry.place) {
    case Place::preferences:
        writeFile(entry.path, preferencesPlist(entry, random), stamp);
        break;
    case Place::userLaunchAgents:
    case Place::launchAgents:
    case Place::launchDaemons:
        writeFile(entry.path, launchJobPlist(entry, random), stamp);
        break;
    case Place::receipts:
        writeFile(entry.path, receiptPlist(entry, random), stamp);
        break;
    case Place::logs:
        if (endsWith(entry.path, ".log")) {
            std::string text;
            for (int i = random.between(1, 20); i > 0; --i)
                text += isoDate(stamp.modified - i * 3600) + " [info] " + std::string(random.pick(ProductWords)) +
                        " ready\n";
            writeFile(entry.path, text, stamp, false,
                      random.chance(0.1) ? static_cast<std::uint64_t>(random.between(1, 50)) * 1024 * 1024 : 0);
        } else {
            writeFolderEntry(entry, stamp, random);
        }
        break;
    case Place::containers:
        writeContainer(entry, stamp, random);
        break;
    case Place::userFrameworks:
    case Place::frameworks:
    case Place::systemFrameworks: {
        const std::string folder = entry.path.substr(0, entry.path.rfind('/'));
        std::string name = entry.path.substr(folder.size() + 1);
        name.resize(name.size() - std::string_view(".framework").size());
        std::string identifier;
        if (entry.place == Place::systemFrameworks)
            identifier = "com.apple." + name;
        else if (entry.owner != nullptr)
            identifier = m_vendors[entry.owner->vendor].domain + "." + name;
        else
            identifier = "com.example." + name;
        writeFramework(folder, name, identifier, entry.owner != nullptr ? entry.owner->version : "1.0", stamp, random);
        break;
    }
    case Place::javaVirtualMachines:
        writeJavaHome(entry, stamp, random);
        break;
    case Place::toolFolder: {
        const std::string name = entry.path.substr(entry.path.rfind('/') + 1);
        if (random.chance(0.4))
            writeFile(entry.path, "#!/bin/sh\nexec \"/opt/homebrew/opt/" + name + "/bin/" + name + "\" \"$@\"\n", stamp,
                      true);
        else {
            const std::string binary = machOContent(random);
            writeFile(entry.path, binary, stamp, true);
        }
        break;
    }
    case Place::homebrewFormula:
    case Place::macPort:
        writePackage(entry, stamp, random);
        break;
    default:
        writeFolderEntry(entry, stamp, random);
        break;
    }
    applyStamp(stamp);
}

void MacTreeGenerator::writeFolderEntry(const PlannedEntry &entry, Stamp &stamp, Random &random)
{
    const std::string &path = entry.path;
    makeFolder(path, stamp);
    const std::string appName = entry.owner != nullptr ? entry.owner->name : "Data";
    switch (entry.place) {
    case Place::applicationScripts:
        if (random.chance(0.3))
            writeFile(path + "/" + compact(appName) + " Action.scpt", "FasdUAS 1.101.10", stamp);
        return;
    case Place::savedState: {
        std::string data(static_cast<std::size_t>(random.between(512, 8192)), '\0');
        for (std::size_t i = 0; i < data.size(); i += 5)
            data[i] = static_cast<char>(random.below(256));
        writeFile(path + "/data.data", data, stamp);
        PropertyListWriter windows = PropertyListWriter::array();
        for (int i = random.between(1, 3); i > 0; --i) {
            windows.append(PropertyListWriter::dictionary()
                               .set("NSWindowID", PropertyListWriter::integer(random.between(1, 900)))
                               .setString("NSTitle", appName));
        }
        writeFile(path + "/windows.plist", windows.xml(), stamp);
        if (random.chance(0.5))
            writeFile(path + "/restorecount.plist", PropertyListWriter::integer(1).xml(), stamp);
        return;
    }
    case Place::caches: {
        const double style = random.unit();
        if (style < 0.4) {
            writeFile(path + "/Cache.db", "SQLite format 3", stamp);
            writeFile(path + "/Cache.db-shm", "", stamp);
            writeFile(path + "/Cache.db-wal", "", stamp);
            makeFolder(path + "/fsCachedData", stamp);
            for (int i = random.between(1, 5); i > 0; --i) {
                std::string name;
                for (int c = 0; c < 8; ++c)
                    name += "0123456789ABCDEF"[random.below(16)];
                name += "-" + std::to_string(i);
                writeFile(path + "/fsCachedData/" + name, "cached", stamp);
            }
        } else if (style < 0.65) {
            makeFolder(path + "/Cache", stamp);
            makeFolder(path + "/Cache/Cache_Data", stamp);
            writeFile(path + "/Cache/Cache_Data/index", "index", stamp);
            for (int i = 0; i < 4; ++i)
                writeFile(path + "/Cache/Cache_Data/data_" + std::to_string(i), "data", stamp);
            makeFolder(path + "/Code Cache", stamp);
            writeFile(path + "/Code Cache/index", "index", stamp);
        } else if (endsWith(path, ".ShipIt") || style < 0.75) {
            writeFile(path + "/ShipIt_stderr.log", "ShipIt started\n", stamp);
            writeFile(path + "/ShipIt_stdout.log", "", stamp);
        } else {
            for (int i = random.between(1, 4); i > 0; --i) {
                const std::string name = lower(random.pick(ProductWords)) + "-" + std::to_string(i) + ".cache";
                writeFile(path + "/" + name, "cache", stamp);
            }
        }
        return;
    }
    case Place::logs:
        for (int i = random.between(1, 4); i > 0; --i) {
            const std::string date = isoDate(stamp.modified - i * Day).substr(0, 10);
            writeFile(path + "/" + dashed(appName) + "-" + date + "-" + std::to_string(i) + ".log",
                      date + " started\n" + date + " stopped\n", stamp);
        }
        return;
    default:
        break;
    }

    // Application Support, user or system.
    const double style = random.unit();
    if (style < 0.3) {
        makeFolder(path + "/Local Storage", stamp);
        makeFolder(path + "/Local Storage/leveldb", stamp);
        for (std::string_view name : {"000003.log", "CURRENT", "LOCK", "LOG", "MANIFEST-000001"})
            writeFile(path + "/Local Storage/leveldb/" + std::string(name), "leveldb", stamp);
        writeFile(path + "/Preferences", "{\"profile\":{\"name\":\"bench\"}}\n", stamp);
    } else if (style < 0.5 && entry.owner != nullptr &&
               entry.path.ends_with("/" + m_vendors[entry.owner->vendor].shortName)) {
        // A vendor folder holds one folder per product.
        makeFolder(path + "/" + entry.owner->name, stamp);
        writeFile(path + "/" + entry.owner->name + "/settings.json", "{}\n", stamp);
    } else {
        for (int i = random.between(0, 5); i > 0; --i) {
            static constexpr std::string_view names[] = {"settings.json",  "state.db",     "license.lic",
                                                         "history.sqlite", "plugins.json", "session.dat",
                                                         "config.yaml"};
            const std::string name(names[static_cast<std::size_t>(i) % std::size(names)]);
            writeFile(path + "/" + name, "{\"app\":\"" + appName + "\"}\n", stamp);
        }
        if (random.chance(0.3)) {
            makeFolder(path + "/Crashpad", stamp);
            writeFile(path + "/Crashpad/settings.dat", "crashpad", stamp);
        }
    }
}

void MacTreeGenerator::writeContainer(const PlannedEntry &entry, Stamp &stamp, Random &random)
{
    const std::string &path = entry.path;
    const std::string identifier = path.substr(path.rfind('/') + 1);
    makeFolder(path, stamp);

    std::string uuid;
    for (int i = 0; i < 32; ++i) {
        if (i == 8 || i == 12 || i == 16 || i == 20)
            uuid += '-';
        uuid += "0123456789ABCDEF"[random.below(16)];
    }
    const std::string metadata = PropertyListWriter::dictionary()
                                     .set("MCMMetadataActiveDPClass", PropertyListWriter::integer(0))
                                     .set("MCMMetadataContentClass", PropertyListWriter::integer(2))
                                     .setString("MCMMetadataIdentifier", identifier)
                                     .setString("MCMMetadataUUID", uuid)
                                     .set("MCMMetadataVersion", PropertyListWriter::integer(6))
                                     .xml();
    writeFile(path + "/.com.apple.containermanagerd.metadata.plist", metadata, stamp);

    const std::string data = path + "/Data";
    makeFolder(data, stamp);
    makeFolder(data + "/Library", stamp);
    makeFolder(data + "/Library/Preferences", stamp);
    writeFile(data + "/Library/Preferences/" + identifier + ".plist", preferencesPlist(entry, random), stamp);
    makeFolder(data + "/Library/Caches", stamp);
    makeFolder(data + "/Library/Application Support", stamp);
    if (random.chance(0.3))
        writeFile(data + "/Library/Application Support/store.sqlite", "SQLite format 3", stamp);
    makeFolder(data + "/Documents", stamp);
    makeFolder(data + "/tmp", stamp);
    makeSymlink("../../../../Desktop", data + "/Desktop", stamp);
    makeSymlink("../../../../Downloads", data + "/Downloads", stamp);
}

void MacTreeGenerator::writeJavaHome(const PlannedEntry &entry, Stamp &stamp, Random &random)
{
    const std::string &path = entry.path;
    const std::string name = path.substr(path.rfind('/') + 1);
    const std::string stem = name.substr(0, name.rfind('.'));
    makeFolder(path, stamp);
    makeFolder(path + "/Contents", stamp);
    std::string version;
    for (char c : stem) {
        if ((c >= '0' && c <= '9') || (c == '.' && !version.empty()))
            version += c;
    }
    if (version.empty())
        version = "17";
    writeFile(path + "/Contents/Info.plist",
              nestedInfoPlist(stem, "bundle", "net.java.openjdk." + version + "." + name.substr(stem.size() + 1),
                              version, "libjli.dylib"),
              stamp);
    makeFolder(path + "/Contents/MacOS", stamp);
    writeFile(path + "/Contents/MacOS/libjli.dylib", machOContent(random), stamp, true);
    const std::string home = path + "/Contents/Home";
    makeFolder(home, stamp);
    writeFile(home + "/release", "JAVA_VERSION=\"" + version + "\"\nIMPLEMENTOR=\"Bench\"\n", stamp);
    makeFolder(home + "/bin", stamp);
    for (std::string_view tool : {"java", "javac", "jar", "jshell", "keytool"})
        writeFile(home + "/bin/" + std::string(tool), machOContent(random), stamp, true);
    makeFolder(home + "/lib", stamp);
    writeFile(home + "/lib/modules", "jimage", stamp);
    writeFile(home + "/lib/libjli.dylib", machOContent(random), stamp, true);
}

void MacTreeGenerator::writeHiddenEntry(const PlannedEntry &entry, Stamp &stamp, Random &random)
{
    const std::string name = entry.path.substr(entry.path.rfind('/') + 1);
    if (name == ".DS_Store") {
        std::string content(6148, '\0');
        content.replace(0, 8, std::string("\0\0\0\1Bud1", 8));
        writeFile(entry.path, content, stamp);
    } else if (name == ".localized") {
        writeFile(entry.path, "", stamp);
    } else if (name.starts_with("._")) {
        std::string content(4096, '\0');
        content.replace(0, 4, std::string("\0\x05\x16\x07", 4));
        writeFile(entry.path, content, stamp);
    } else {
        writeFile(entry.path, std::to_string(random.between(100, 99999)) + "\n", stamp);
    }
}

void MacTreeGenerator::writePackage(const PlannedEntry &entry, Stamp &stamp, Random &random)
{
    const std::string &path = entry.path;
    const std::string name = path.substr(path.rfind('/') + 1);
    makeFolder(path, stamp);
    if (entry.place == Place::macPort) {
        const std::string version = path + "/" + entry.detail + "_" + std::to_string(random.between(0, 3));
        makeFolder(version, stamp);
        writeFile(version + "/Portfile",
                  "# -*- coding: utf-8; mode: tcl -*-\nPortSystem 1.0\nname " + name + "\nversion " + entry.detail +
                      "\ncategories sysutils\n",
                  stamp);
        return;
    }
    const std::string keg = path + "/" + entry.detail;
    makeFolder(keg, stamp);
    writeFile(keg + "/INSTALL_RECEIPT.json",
              "{\"homebrew_version\":\"4.2.0\",\"installed_on_request\":" +
                  std::string(random.chance(0.6) ? "true" : "false") + ",\"source\":{\"path\":\"" + name + ".rb\"}}\n",
              stamp);
    writeFile(keg + "/README.md", "# " + name + "\n", stamp);
    makeFolder(keg + "/bin", stamp);
    std::string tool = name.substr(0, name.find('@'));
    const std::string binary = machOContent(random);
    writeFile(keg + "/bin/" + tool, binary, stamp, true);
    makeFolder(keg + "/.brew", stamp);
    writeFile(keg + "/.brew/" + tool + ".rb", "class Formula\nend\n", stamp);
}
