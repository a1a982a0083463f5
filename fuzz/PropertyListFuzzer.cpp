// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Property lists as the engine reads them: parsed from memory, and from the two kinds of files it opens, an
// application's Info.plist (identifier, name, version, identifier-like strings) and a launch agent (its Label).
#include "FuzzSupport.h"
#include "identification/AppIdentifierService.h"
#include "identification/OwnerIdentifier.h"
#include "inventory/InstalledAppScanner.h"
#include "platform/PathNames.h"
#include "platform/PosixPlatform.h"
#include "platform/PropertyList.h"

#include <cstdint>
#include <optional>

namespace fs = std::filesystem;

namespace {

struct Setup {
    ScratchFolder root;
    fs::path home = root.path() / "Users" / "f";
    PosixPlatform platform{root.path(), home};
    fs::path applications = root.path() / "Applications";
    fs::path bundle = applications / "Fuzz.app";
    fs::path agent = home / "Library" / "LaunchAgents" / "com.fuzz.agent.plist";
    AppIdentifierService service{&platform};
    std::optional<OwnerIdentifier> owner;
};

Setup *setup = nullptr;

QString describe(const std::optional<QString> &text)
{
    return text ? u'"' + *text + u'"' : QStringLiteral("absent");
}

void expectSame(const char *what, const std::optional<QString> &fromMemory, const std::optional<QString> &fromFile)
{
    if (fromMemory != fromFile)
        FuzzSupport::fail(std::string(what) + ": " + describe(fromMemory).toStdString() + " in memory, " +
                          describe(fromFile).toStdString() + " from the file");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceDiagnostics();
    static Setup instance;
    setup = &instance;
    FuzzSupport::makeBundle(setup->applications / "Zzqx Studio.app", "org.zzqx.studio");
    setup->owner.emplace(InstalledAppScanner(setup->platform).scanInstalledApps(), setup->platform);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const auto list = PropertyList::parse(bytes);
    std::optional<QString> identifier;
    std::optional<QString> label;
    if (list) {
        identifier = list->string("CFBundleIdentifier");
        label = list->string("Label");
        if (list->isDictionary())
            InstalledAppScanner::identifierStrings(*list);
    }

    FuzzSupport::writeFile(setup->bundle / "Contents" / "Info.plist", bytes);
    FuzzSupport::writeFile(setup->agent, bytes);

    const auto bundle = setup->platform.openBundle(setup->bundle);
    if (!bundle)
        FuzzSupport::fail("the bundle folder did not open");
    expectSame("CFBundleIdentifier", identifier && !identifier->isEmpty() ? identifier : std::nullopt,
               bundle->identifier);
    if (bundle->info) {
        bundle->info->string("CFBundleDisplayName");
        bundle->info->string("CFBundleName");
        bundle->info->string("CFBundleShortVersionString");
    }
    Inventory inventory;
    InstalledAppScanner(setup->platform).scanApplicationsDirectory(setup->applications, inventory);

    const auto agent = setup->platform.readPropertyList(setup->agent);
    expectSame("Label", label, agent ? agent->string("Label") : std::nullopt);
    setup->owner->identifyOwner(PathNames::fileName(setup->agent), setup->agent, setup->service);
    setup->service.clearCache();
    return 0;
}
