// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MacTreeGenerator.h"
#include "MacTreeGeneratorNames.h"
#include "MacTreeGeneratorText.h"

#include "platform/PropertyListWriter.h"

#include <cmath>
#include <set>

using namespace MacTreeNames;
using namespace MacTreeText;

std::string MacTreeGenerator::appInfoPlist(const AppIdentity &app, bool electron, bool sparkle, bool scriptable,
                                           Random &random) const
{
    const Vendor &vendor = m_vendors[app.vendor];
    const std::string product = compact(app.name);
    const std::string lowerId = lower(app.bundleId);
    const auto word = [&] {
        return lower(random.pick(ProductWords));
    };

    PropertyListWriter info = PropertyListWriter::dictionary();
    const int osMajor = random.between(20, 23);
    info.setString("BuildMachineOSBuild", std::to_string(osMajor) + "G" + std::to_string(random.between(10, 999)));
    info.setString("CFBundleDevelopmentRegion", "en");
    if (random.chance(0.5))
        info.setString("CFBundleDisplayName", app.name);
    info.setString("CFBundleExecutable", app.executable);
    info.setString("CFBundleIconFile", "AppIcon");
    info.setString("CFBundleIconName", "AppIcon");
    if (app.defect != Defect::missingIdentifier)
        info.setString("CFBundleIdentifier", app.bundleId);
    info.setString("CFBundleInfoDictionaryVersion", "6.0");
    info.setString("CFBundleName", app.name);
    info.setString("CFBundlePackageType", "APPL");
    info.setString("CFBundleShortVersionString", app.version);
    info.setString("CFBundleSignature", "????");
    info.set("CFBundleSupportedPlatforms", stringArray({"MacOSX"}));
    info.setString("CFBundleVersion", std::to_string(random.between(1, 99999)));
    if (random.chance(0.9)) {
        PropertyListWriter urlTypes = PropertyListWriter::array();
        for (int i = random.between(1, 4); i > 0; --i) {
            const std::string scheme = lower(product.substr(0, 12)) + (i > 1 ? "-" + word() : "");
            PropertyListWriter urlType = PropertyListWriter::dictionary();
            urlType.setString("CFBundleTypeRole", random.chance(0.7) ? "Viewer" : "Editor");
            urlType.setString("CFBundleURLName", random.chance(0.6) ? app.bundleId + "." + scheme : app.bundleId);
            urlType.set("CFBundleURLSchemes", stringArray({scheme}));
            urlTypes.append(std::move(urlType));
        }
        info.set("CFBundleURLTypes", std::move(urlTypes));
    }

    std::vector<std::string> exportedTypes;
    for (int i = random.chance(0.85) ? random.between(1, 5) : 0; i > 0; --i)
        exportedTypes.push_back(lowerId + "." + word());
    if (random.chance(0.9)) {
        PropertyListWriter documentTypes = PropertyListWriter::array();
        for (int i = random.between(2, 7); i > 0; --i) {
            const std::string kind(random.pick(ProductWords));
            std::vector<std::string> types;
            for (int t = random.between(1, 4); t > 0; --t) {
                const double source = random.unit();
                if (source < 0.4 && !exportedTypes.empty())
                    types.push_back(random.pick(exportedTypes));
                else if (source < 0.75)
                    types.emplace_back(random.pick(PublicTypes));
                else
                    types.emplace_back(random.pick(ForeignTypes));
            }
            PropertyListWriter documentType = PropertyListWriter::dictionary();
            documentType.set("CFBundleTypeExtensions", stringArray({std::string(random.pick(FileExtensions))}));
            documentType.setString("CFBundleTypeIconFile", kind + "Document.icns");
            documentType.setString("CFBundleTypeName", app.name + " " + kind + " Document");
            documentType.setString("CFBundleTypeRole", random.chance(0.6) ? "Editor" : "Viewer");
            documentType.setString("LSHandlerRank", random.chance(0.5) ? "Owner" : "Alternate");
            documentType.set("LSItemContentTypes", stringArray(types));
            documentType.set("LSTypeIsPackage", PropertyListWriter::boolean(random.chance(0.2)));
            if (random.chance(0.5))
                documentType.setString("NSDocumentClass", "$(PRODUCT_MODULE_NAME)." + kind + "Document");
            documentTypes.append(std::move(documentType));
        }
        info.set("CFBundleDocumentTypes", std::move(documentTypes));
    }

    if (!exportedTypes.empty()) {
        PropertyListWriter declarations = PropertyListWriter::array();
        for (const auto &type : exportedTypes) {
            const std::string extension(random.pick(FileExtensions));
            PropertyListWriter declaration = PropertyListWriter::dictionary();
            if (random.chance(0.3))
                declaration.set("UTTypeConformsTo", stringArray({"com.apple.package", "public.composite-content"}));
            else
                declaration.set("UTTypeConformsTo", stringArray({"public.data", "public.content"}));
            declaration.setString("UTTypeDescription", app.name + " " + capitalized(type.substr(type.rfind('.') + 1)));
            declaration.setString("UTTypeIconFile", capitalized(extension) + ".icns");
            declaration.setString("UTTypeIdentifier", type);
            declaration.setString("UTTypeReferenceURL", "https://" + vendor.website + "/formats/" + extension);
            declaration.set("UTTypeFilenameExtensions", stringArray({extension}));
            declaration.setString("UTTypeMIMEType", "application/x-" + vendor.token + "-" + extension);
            declarations.append(std::move(declaration));
        }
        info.set("UTExportedTypeDeclarations", std::move(declarations));
    }
    if (random.chance(0.45)) {
        PropertyListWriter declarations = PropertyListWriter::array();
        for (int i = random.between(1, 3); i > 0; --i) {
            declarations.append(PropertyListWriter::dictionary()
                                    .set("UTTypeConformsTo", stringArray({"public.data"}))
                                    .setString("UTTypeIdentifier", random.pick(ForeignTypes)));
        }
        info.set("UTImportedTypeDeclarations", std::move(declarations));
    }

    if (random.chance(0.3)) {
        PropertyListWriter services = PropertyListWriter::array();
        for (int i = random.between(1, 3); i > 0; --i) {
            const std::string action(random.pick(ProductWords));
            services.append(PropertyListWriter::dictionary()
                                .set("NSMenuItem", PropertyListWriter::dictionary().setString(
                                                       "default", app.name + "/" + action + " with " + app.name))
                                .setString("NSMessage", "handle" + action + "Service")
                                .setString("NSPortName", app.name)
                                .set("NSRequiredContext",
                                     PropertyListWriter::dictionary().setString("NSServiceCategory", "public.text"))
                                .set("NSSendTypes", stringArray({"public.utf8-plain-text", "NSStringPboardType"})));
        }
        info.set("NSServices", std::move(services));
    }
    if (random.chance(0.5)) {
        std::vector<std::string> activities;
        for (int i = random.between(1, 6); i > 0; --i)
            activities.push_back(app.bundleId + ".activity." + word());
        info.set("NSUserActivityTypes", stringArray(activities));
    }

    info.setString("LSApplicationCategoryType", "public.app-category." + std::string(random.pick(AppCategories)));
    static constexpr std::string_view minimumSystems[] = {"10.13", "10.15.7", "11.0", "12.0.1", "13.0", "14.0"};
    info.setString("LSMinimumSystemVersion", random.pick(minimumSystems));
    info.setString("NSHumanReadableCopyright", "Copyright © " + std::to_string(random.between(2008, 2024)) + " " +
                                                   vendor.legalName + " All rights reserved.");
    if (random.chance(0.6))
        info.setString("NSMainNibFile", "MainMenu");
    else
        info.setString("NSMainStoryboardFile", "Main");
    info.setString("NSPrincipalClass", electron ? "AtomApplication" : "NSApplication");
    info.set("NSHighResolutionCapable", PropertyListWriter::boolean(true));
    info.set("NSSupportsAutomaticGraphicsSwitching", PropertyListWriter::boolean(random.chance(0.8)));
    if (random.chance(0.1))
        info.set("LSUIElement", PropertyListWriter::boolean(true));

    if (random.chance(0.4)) {
        info.set(
            "NSAppTransportSecurity",
            PropertyListWriter::dictionary()
                .set("NSAllowsArbitraryLoads", PropertyListWriter::boolean(false))
                .set("NSExceptionDomains",
                     PropertyListWriter::dictionary()
                         .set(vendor.website, PropertyListWriter::dictionary()
                                                  .set("NSIncludesSubdomains", PropertyListWriter::boolean(true))
                                                  .setString("NSExceptionMinimumTLSVersion", "TLSv1.2"))
                         .set("localhost", PropertyListWriter::dictionary().set("NSExceptionAllowsInsecureHTTPLoads",
                                                                                PropertyListWriter::boolean(true)))));
    }

    if (sparkle) {
        info.setString("SUFeedURL", "https://updates." + vendor.website + "/" + lower(product) + "/appcast.xml");
        std::string key;
        for (int i = 0; i < 43; ++i)
            key += Base64Alphabet[random.below(Base64Alphabet.size())];
        info.setString("SUPublicEDKey", key + "=");
        info.set("SUEnableAutomaticChecks", PropertyListWriter::boolean(true));
        info.set("SUScheduledCheckInterval", PropertyListWriter::integer(86400));
    }

    if (random.chance(0.1)) {
        const std::string helper = app.bundleId + ".helper";
        info.set("SMPrivilegedExecutables",
                 PropertyListWriter::dictionary().setString(
                     helper, "anchor apple generic and identifier \"" + helper +
                                 "\" and (certificate leaf[field.1.2.840.113635.100.6.1.9] /* exists */ or certificate "
                                 "1[field.1.2.840.113635.100.6.2.6] /* exists */ and certificate leaf[subject.OU] = " +
                                 vendor.teamId + ")"));
    }

    if (random.chance(0.1)) {
        info.set("NSUbiquitousContainers",
                 PropertyListWriter::dictionary().set(
                     "iCloud." + app.bundleId,
                     PropertyListWriter::dictionary()
                         .set("NSUbiquitousContainerIsDocumentScopePublic", PropertyListWriter::boolean(true))
                         .setString("NSUbiquitousContainerName", app.name)
                         .setString("NSUbiquitousContainerSupportedFolderLevels", "Any")));
    }

    if (scriptable) {
        info.set("NSAppleScriptEnabled", PropertyListWriter::boolean(true));
        info.setString("OSAScriptingDefinition", product + ".sdef");
    }
    if (random.chance(0.3))
        info.setString("NSAppleEventsUsageDescription",
                       app.name + " uses Apple Events to automate other applications.");
    if (random.chance(0.15)) {
        info.setString("CFBundleHelpBookFolder", product + ".help");
        info.setString("CFBundleHelpBookName", app.bundleId + ".help");
    }
    if (random.chance(0.5)) {
        std::vector<std::string> languages;
        for (int i = random.between(2, 6); i > 0; --i)
            languages.emplace_back(Localizations[1 + random.below(std::size(Localizations) - 1)]);
        info.set("CFBundleLocalizations", stringArray(languages));
    }
    if (random.chance(0.3))
        info.setString("AppGroupIdentifier", vendor.teamId + "." + app.bundleId);
    if (random.chance(0.15))
        info.setString("NSDockTilePlugIn", product + "DockTile.docktileplugin");
    if (random.chance(0.1))
        info.set("NSBonjourServices", stringArray({"_" + lower(product.substr(0, 14)) + "._tcp"}));

    if (electron) {
        std::string hash;
        for (int i = 0; i < 64; ++i)
            hash += HexDigits[random.below(16)];
        info.set("ElectronAsarIntegrity",
                 PropertyListWriter::dictionary().set(
                     "Resources/app.asar",
                     PropertyListWriter::dictionary().setString("algorithm", "SHA256").setString("hash", hash)));
    }

    if (random.chance(0.1)) {
        info.set("LSEnvironment", PropertyListWriter::dictionary()
                                      .setString("MallocNanoZone", "0")
                                      .setString(lower(vendor.token) + "_channel", "stable"));
    }

    const std::string vendorKey = compact(vendor.shortName);
    if (random.chance(0.3)) {
        info.setString(vendorKey + "BuildFlavor", "release");
        info.setString(vendorKey + "TelemetryEndpoint", "telemetry." + vendor.website);
        info.setString(vendorKey + "UpdateChannel", app.bundleId + ".channel.stable");
    }
    if (random.chance(0.3)) {
        info.set(vendorKey + "BuildNumber", PropertyListWriter::integer(random.between(1000, 999999)));
        info.set(vendorKey + "BuildDate", PropertyListWriter::date(m_now - random.between(30, 1500) * Day));
        // A scale factor in thousandths.
        info.set(vendorKey + "ScaleFactor", PropertyListWriter::real(std::round((1.0 + random.unit()) * 1000) / 1000));
        // 24 bytes, drawn as 32 six-bit digits.
        std::string blob;
        std::uint32_t bits = 0;
        int bitCount = 0;
        for (int i = 0; i < 32; ++i) {
            bits = (bits << 6) | static_cast<std::uint32_t>(random.below(Base64Alphabet.size()));
            bitCount += 6;
            if (bitCount >= 8) {
                bitCount -= 8;
                blob += static_cast<char>((bits >> bitCount) & 0xFF);
            }
        }
        info.set(vendorKey + "LicenseBlob", PropertyListWriter::data(blob));
    }

    info.setString("DTCompiler", "com.apple.compilers.llvm.clang.1_0");
    info.setString("DTPlatformBuild", "");
    info.setString("DTPlatformName", "macosx");
    const int sdkMajor = random.between(11, 14);
    const std::string sdk = std::to_string(sdkMajor) + "." + std::to_string(random.between(0, 5));
    info.setString("DTPlatformVersion", sdk);
    info.setString("DTSDKBuild", std::to_string(sdkMajor + 9) + "C" + std::to_string(random.between(10, 99)));
    info.setString("DTSDKName", "macosx" + sdk);
    info.setString("DTXcode", std::to_string(random.between(1200, 1520)));
    info.setString("DTXcodeBuild", std::to_string(sdkMajor + 1) + "C" + std::to_string(random.between(100, 999)) + "b");
    return info.xml();
}

// Info.plist of a bundle nested in an application: a helper, a login item, an XPC service, an app extension
// or a framework.
std::string MacTreeGenerator::nestedInfoPlist(const std::string &name, std::string_view extension,
                                              const std::string &identifier, const std::string &version,
                                              const std::string &executable)
{
    const std::string_view type = extension == "xpc" || extension == "appex" ? "XPC!"
                                  : extension == "framework"                 ? "FMWK"
                                  : extension == "app"                       ? "APPL"
                                                                             : "BNDL";
    PropertyListWriter info = PropertyListWriter::dictionary()
                                  .setString("CFBundleDevelopmentRegion", "en")
                                  .setString("CFBundleExecutable", executable)
                                  .setString("CFBundleIdentifier", identifier)
                                  .setString("CFBundleInfoDictionaryVersion", "6.0")
                                  .setString("CFBundleName", name)
                                  .setString("CFBundlePackageType", type)
                                  .setString("CFBundleShortVersionString", version)
                                  .setString("CFBundleVersion", version);
    if (extension == "app") {
        info.set("LSUIElement", PropertyListWriter::boolean(true));
        info.setString("LSMinimumSystemVersion", "11.0");
    } else if (extension == "xpc") {
        info.set("XPCService", PropertyListWriter::dictionary()
                                   .setString("ServiceType", "Application")
                                   .setString("RunLoopType", "NSRunLoop"));
    } else if (extension == "appex") {
        info.set("NSExtension",
                 PropertyListWriter::dictionary()
                     .setString("NSExtensionPointIdentifier", "com.apple.share-services")
                     .setString("NSExtensionPrincipalClass", "$(PRODUCT_MODULE_NAME)." + executable + "Controller")
                     .set("NSExtensionAttributes",
                          PropertyListWriter::dictionary().setString("NSExtensionActivationRule", "TRUEPREDICATE")));
    }
    return info.xml();
}

namespace {

std::string codeResourcesPlist(const std::vector<std::string> &files)
{
    // The same 20-byte digest for every file.
    static constexpr char digest[] = "\xab\xcd\xef\x12\x34\x56\x78\x9a\xbc\xde\xf1\x23\x45\x67\x89\xab\xcd\xef\x12\x34";
    PropertyListWriter hashes = PropertyListWriter::dictionary();
    for (const auto &file : files)
        hashes.set(file, PropertyListWriter::data(std::string_view(digest, sizeof digest - 1)));
    return PropertyListWriter::dictionary()
        .set("files", std::move(hashes))
        .set("rules", PropertyListWriter::dictionary().set("^Resources/", PropertyListWriter::boolean(true)))
        .xml();
}

std::string localizedStrings(std::string_view appName, int count)
{
    std::string out = "/* Localized strings */\n";
    for (int i = 0; i < count; ++i) {
        const std::string number = std::to_string(i);
        out.append("\"item").append(number).append("\" = \"").append(appName);
        out.append(1, ' ').append(number).append("\";\n");
    }
    return out;
}

} // namespace

void MacTreeGenerator::writeHelperBundle(const std::string &parent, const std::string &name, std::string_view extension,
                                         const std::string &identifier, const std::string &version, Stamp &stamp,
                                         Random &random)
{
    const std::string bundle = parent + "/" + name + "." + std::string(extension);
    const std::string executable = compact(name).empty() ? "helper" : compact(name);
    makeFolder(bundle, stamp);
    makeFolder(bundle + "/Contents", stamp);
    writeFile(bundle + "/Contents/Info.plist", nestedInfoPlist(name, extension, identifier, version, executable),
              stamp);
    makeFolder(bundle + "/Contents/MacOS", stamp);
    const std::string binary = machOContent(random);
    writeFile(bundle + "/Contents/MacOS/" + executable, binary, stamp, true);
    if (extension == "app")
        writeFile(bundle + "/Contents/PkgInfo", "APPL????", stamp);
    ++m_helperBundles;
}

void MacTreeGenerator::writeFramework(const std::string &parent, const std::string &name, const std::string &identifier,
                                      const std::string &version, Stamp &stamp, Random &random)
{
    const std::string framework = parent + "/" + name + ".framework";
    const std::string versionA = framework + "/Versions/A";
    makeFolder(framework, stamp);
    makeFolder(framework + "/Versions", stamp);
    makeFolder(versionA, stamp);
    const std::string binary = machOContent(random);
    writeFile(versionA + "/" + name, binary, stamp, true);
    makeFolder(versionA + "/Resources", stamp);
    writeFile(versionA + "/Resources/Info.plist", nestedInfoPlist(name, "framework", identifier, version, name), stamp);
    makeSymlink("A", framework + "/Versions/Current", stamp);
    makeSymlink("Versions/Current/" + name, framework + "/" + name, stamp);
    makeSymlink("Versions/Current/Resources", framework + "/Resources", stamp);
}

void MacTreeGenerator::writeResources(const std::string &contents, const AppIdentity &app, bool electron,
                                      bool scriptable, Stamp &stamp, Random &random)
{
    const std::string resources = contents + "/Resources";
    makeFolder(resources, stamp);
    std::set<std::string> used;
    const auto add = [&](const std::string &name) {
        return used.insert(lower(name)).second;
    };

    const int wanted = random.between(20, 40);
    int made = 0;
    const auto file = [&](const std::string &name, std::string_view content) {
        if (add(name)) {
            writeFile(resources + "/" + name, content, stamp);
            ++made;
        }
    };
    file("AppIcon.icns", "icns");
    file("Assets.car", "BOMStore");
    if (random.chance(0.5))
        file("Credits.rtf", "{\\rtf1\\ansi " + app.name + " credits}\n");
    if (scriptable)
        file(compact(app.name) + ".sdef", "<?xml version=\"1.0\"?>\n<dictionary title=\"Terminology\"/>\n");
    if (electron) {
        file("app.asar", "asar");
        file("electron.icns", "icns");
        add("app.asar.unpacked");
        makeFolder(resources + "/app.asar.unpacked", stamp);
        makeFolder(resources + "/app.asar.unpacked/node_modules", stamp);
        ++made;
    }

    const int languages = random.between(2, 8);
    for (int i = 0; i < languages; ++i) {
        const std::string folder = std::string(random.pick(Localizations)) + ".lproj";
        if (!add(folder))
            continue;
        makeFolder(resources + "/" + folder, stamp);
        writeFile(resources + "/" + folder + "/Localizable.strings", localizedStrings(app.name, 4), stamp);
        writeFile(resources + "/" + folder + "/InfoPlist.strings", localizedStrings(app.name, 2), stamp);
        if (electron)
            writeFile(resources + "/" + folder + "/locale.pak", "PAK", stamp);
        ++made;
    }

    for (int attempt = 0; made < wanted && attempt < 200; ++attempt) {
        const std::string pattern(random.pick(ResourcePatterns));
        std::string name = pattern;
        const std::string stem =
            random.chance(0.5) ? lower(random.pick(ProductWords)) : std::string(random.pick(ProductWords));
        name.replace(name.find('%'), 1, stem);
        if (endsWith(name, ".storyboardc")) {
            if (!add(name))
                continue;
            makeFolder(resources + "/" + name, stamp);
            writeFile(resources + "/" + name + "/Info.plist",
                      nestedInfoPlist(stem, "bundle", app.bundleId + "." + stem, app.version, stem), stamp);
            ++made;
        } else if (endsWith(name, ".plist")) {
            file(name, PropertyListWriter::dictionary()
                           .setString("name", stem)
                           .set("version", PropertyListWriter::integer(1))
                           .xml());
        } else {
            file(name, stem + "\n");
        }
    }
}

void MacTreeGenerator::writeAppBundle(const AppIdentity &app)
{
    Random random(app.seed);
    Stamp stamp = makeStamp(random, Ownership::installed);
    const Vendor &vendor = m_vendors[app.vendor];
    const std::string product = compact(app.name);
    const std::string bundle = m_root + app.macFolder + "/" + app.name + ".app";
    const std::string contents = bundle + "/Contents";

    const bool electron = !app.apple && random.chance(0.15);
    const bool sparkle = !app.apple && !electron && random.chance(0.35);
    const bool scriptable = random.chance(0.2);

    makeFolder(bundle, stamp);
    makeFolder(contents, stamp);
    if (app.defect != Defect::missingInfoPlist)
        writeFile(contents + "/Info.plist", appInfoPlist(app, electron, sparkle, scriptable, random), stamp);
    writeFile(contents + "/PkgInfo", "APPL????", stamp);

    makeFolder(contents + "/MacOS", stamp);
    const std::string binary = machOContent(random);
    writeFile(contents + "/MacOS/" + app.executable, binary, stamp, true);
    if (random.chance(0.2)) {
        static constexpr std::string_view extras[] = {"crashpad_handler", "relaunch", "Autoupdate", "cli"};
        const std::string extra(random.pick(extras));
        if (lower(extra) != lower(app.executable))
            writeFile(contents + "/MacOS/" + extra, machOContent(random), stamp, true);
    }

    // Helper bundles. Some carry the generic names that inventories ignore.
    if (random.chance(0.45)) {
        makeFolder(contents + "/Helpers", stamp);
        std::set<std::string> used;
        for (int i = random.between(1, 3); i > 0; --i) {
            std::string name;
            const double style = random.unit();
            if (style < 0.15)
                name = "Helper";
            else if (style < 0.25)
                name = "Updater";
            else if (style < 0.30)
                name = "Agent";
            else if (style < 0.50)
                name = app.executable + " Helper";
            else if (style < 0.65)
                name = product + "Helper";
            else if (style < 0.78)
                name = product + "Agent";
            else if (style < 0.90)
                name = compact(vendor.shortName) + "Updater";
            else
                name = product + " Notifier";
            if (!used.insert(lower(compact(name))).second)
                continue;
            if (random.chance(0.15)) {
                writeFile(contents + "/Helpers/" + lower(product) + "-" + lower(compact(name)), machOContent(random),
                          stamp, true);
                continue;
            }
            writeHelperBundle(contents + "/Helpers", name, "app", app.bundleId + "." + compact(name), app.version,
                              stamp, random);
        }
    }

    if (random.chance(0.25)) {
        makeFolder(contents + "/Library", stamp);
        makeFolder(contents + "/Library/LoginItems", stamp);
        const double style = random.unit();
        std::string name;
        if (style < 0.2)
            name = "Launcher";
        else if (style < 0.55)
            name = product + "Launcher";
        else if (style < 0.8)
            name = product + " Login Helper";
        else
            name = "LaunchAtLoginHelper";
        writeHelperBundle(contents + "/Library/LoginItems", name, "app", app.bundleId + "." + compact(name),
                          app.version, stamp, random);
        if (random.chance(0.3)) {
            makeFolder(contents + "/Library/LaunchServices", stamp);
            writeFile(contents + "/Library/LaunchServices/" + app.bundleId + ".helper", machOContent(random), stamp,
                      true);
        }
    }

    if (random.chance(0.3)) {
        makeFolder(contents + "/XPCServices", stamp);
        std::set<std::string> used;
        for (int i = random.between(1, 3); i > 0; --i) {
            const std::string service(random.pick(XpcWords));
            std::string name;
            std::string identifier;
            const double style = random.unit();
            if (style < 0.5) {
                name = app.bundleId + "." + service;
                identifier = name;
            } else if (style < 0.95) {
                name = product + service;
                identifier = app.bundleId + "." + service;
            } else {
                name = "Service";
                identifier = app.bundleId + ".Service";
            }
            if (used.insert(lower(name)).second)
                writeHelperBundle(contents + "/XPCServices", name, "xpc", identifier, app.version, stamp, random);
        }
    }

    if (electron || sparkle || random.chance(0.4)) {
        const std::string frameworks = contents + "/Frameworks";
        makeFolder(frameworks, stamp);
        std::set<std::string> used;
        const auto framework = [&](const std::string &name, const std::string &identifier) {
            if (used.insert(lower(name)).second)
                writeFramework(frameworks, name, identifier, app.version, stamp, random);
        };
        if (sparkle)
            framework("Sparkle", "org.sparkle-project.Sparkle");
        if (electron) {
            framework("Electron Framework", "com.github.Electron.framework");
            framework("Squirrel", "com.github.Squirrel");
            framework("Mantle", "org.mantle.Mantle");
            framework("ReactiveObjC", "org.reactivecocoa.ReactiveObjC");
            for (std::string_view role : {"", " (GPU)", " (Plugin)", " (Renderer)"}) {
                const std::string name = app.name + " Helper" + std::string(role);
                std::string suffix = lower(compact(role));
                writeHelperBundle(frameworks, name, "app",
                                  app.bundleId + ".helper" + (suffix.empty() ? "" : "." + suffix), app.version, stamp,
                                  random);
            }
            writeFile(frameworks + "/libffmpeg.dylib", machOContent(random), stamp, true);
        }
        for (int i = random.between(0, 4); i > 0; --i) {
            if (random.chance(0.6)) {
                const std::string name(random.pick(ThirdPartyFrameworks));
                framework(name, "com.github." + lower(name));
            } else {
                std::string name = random.chance(0.5) ? compact(vendor.shortName) : product;
                name += random.chance(0.5) ? "Core" : "Kit";
                framework(name, vendor.domain + "." + name);
            }
        }
        if (random.chance(0.2))
            writeFile(frameworks + "/libswiftCore.dylib", machOContent(random), stamp, true);
    }

    if (random.chance(0.25)) {
        makeFolder(contents + "/PlugIns", stamp);
        std::set<std::string> used;
        for (int i = random.between(1, 3); i > 0; --i) {
            const double style = random.unit();
            if (style < 0.7) {
                const std::string extension(random.pick(ExtensionNames));
                if (used.insert(lower(extension)).second)
                    writeHelperBundle(contents + "/PlugIns", extension, "appex", app.bundleId + "." + extension,
                                      app.version, stamp, random);
            } else {
                const std::string name = product + (style < 0.85 ? "QuickLook.qlgenerator" : "Importer.mdimporter");
                if (!used.insert(lower(name)).second)
                    continue;
                makeFolder(contents + "/PlugIns/" + name, stamp);
                makeFolder(contents + "/PlugIns/" + name + "/Contents", stamp);
                writeFile(contents + "/PlugIns/" + name + "/Contents/Info.plist",
                          nestedInfoPlist(product, "bundle", app.bundleId + "." + name.substr(product.size()),
                                          app.version, product),
                          stamp);
            }
        }
    }

    writeResources(contents, app, electron, scriptable, stamp, random);

    makeFolder(contents + "/_CodeSignature", stamp);
    writeFile(contents + "/_CodeSignature/CodeResources",
              codeResourcesPlist(
                  {"Resources/AppIcon.icns", "Resources/Assets.car", "Resources/en.lproj/Localizable.strings"}),
              stamp);

    applyStamp(stamp);
}
