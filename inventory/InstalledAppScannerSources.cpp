// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The inventory sources that do not start from an application bundle: receipts, Application Support,
// frameworks, command-line tools, Java, Homebrew and MacPorts.
#include "inventory/InstalledAppScanner.h"

#include "inventory/ApplicationSupportMatcher.h"
#include "inventory/InventoryKey.h"
#include "inventory/KeywordExtractor.h"
#include "model/SystemNames.h"
#include "model/TextMetrics.h"
#include "platform/DiagnosticLog.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace {

constexpr qsizetype MinimumReceiptComponentLength = 3;
constexpr qsizetype MinimumToolNameLength = 3;

bool isShellCommandName(const QString &lowerName)
{
    return std::any_of(InstalledAppScanner::ShellCommandNames.begin(), InstalledAppScanner::ShellCommandNames.end(),
                       [&](std::string_view command) { return lowerName == QLatin1StringView(command); });
}

InstalledApp makeRecord(QString name, QString bundleID, const fs::path &path,
                        std::optional<QString> version = std::nullopt)
{
    return InstalledApp{std::move(name), std::move(bundleID), InstalledApp::urlOf(path), std::move(version)};
}

} // namespace

void InstalledAppScanner::scanReceipts(Inventory &inventory) const
{
    for (const fs::path &child : childrenOf(resolve("~/Library/Receipts"))) {
        const QString receipt = PathNames::baseName(child);
        if (!receipt.contains(u'.'))
            continue;
        const QStringList parts = receipt.split(u'.');
        const InstalledApp record = makeRecord(parts.last(), receipt, child);
        inventory.insert(InventoryKey::of(InventoryKey::Form::receipt, receipt.toLower()), record);
        for (const QString &part : parts) {
            if (TextMetrics::characterCount(part) >= MinimumReceiptComponentLength)
                inventory.insert(InventoryKey::of(InventoryKey::Form::receiptComponent, part.toLower()), record);
        }
    }
}

void InstalledAppScanner::scanApplicationSupport(Inventory &inventory) const
{
    const std::vector<fs::path> children = childrenOf(resolve("~/Library/Application Support"));
    if (children.empty())
        return;
    // The index is built once: the keys this step writes are never candidates themselves.
    const ApplicationSupportMatcher matcher(inventory);
    for (const fs::path &child : children) {
        if (isCancelled())
            return;
        const QString folder = PathNames::fileName(child);
        if (SystemNames::isSystemItem(folder))
            continue;
        const QString lower = folder.toLower();
        if (const auto record = matcher.match(lower))
            inventory.insert(InventoryKey::of(InventoryKey::Form::appSupport, lower), *record);
    }
}

void InstalledAppScanner::scanFrameworks(Inventory &inventory) const
{
    for (const std::string_view folder :
         {"/Library/Frameworks", "~/Library/Frameworks", "/System/Library/Frameworks"}) {
        for (const fs::path &child : childrenOf(resolve(folder))) {
            const QString name = PathNames::baseName(child);
            if (SystemNames::isSystemItem(name))
                continue;
            const QString lower = name.toLower();
            const InstalledApp record = makeRecord(name, QStringLiteral("framework.") + lower, child);
            inventory.insert(InventoryKey::of(InventoryKey::Form::framework, lower), record);
            for (const QString &word : KeywordExtractor::extractKeywords(name))
                inventory.insert(InventoryKey::of(InventoryKey::Form::keyword, word), record);
        }
    }
}

void InstalledAppScanner::scanCommandLineTools(Inventory &inventory) const
{
    for (const std::string_view folder : ToolFolders) {
        for (const fs::path &child : childrenOf(resolve(folder))) {
            const QString name = PathNames::fileName(child);
            const QString lower = name.toLower();
            if (TextMetrics::characterCount(lower) < MinimumToolNameLength || isShellCommandName(lower))
                continue;
            const InstalledApp record = makeRecord(name, QStringLiteral("tool.") + lower, child);
            inventory.insert(InventoryKey::of(InventoryKey::Form::tool, lower), record);
            inventory.insert(InventoryKey::of(InventoryKey::Form::keyword, lower), record);
        }
    }
    scanJavaInstallations(inventory);
}

void InstalledAppScanner::scanJavaInstallations(Inventory &inventory) const
{
    bool found = false;
    for (const std::string_view folder : JavaVirtualMachineFolders) {
        for (const fs::path &child : childrenOf(resolve(folder))) {
            found = true;
            const QString name = PathNames::fileName(child);
            const InstalledApp record =
                makeRecord(QStringLiteral("Java (") + name + u')', QStringLiteral("com.oracle.java"), child, name);
            for (const char *key : {"java", "keyword:java", "framework:java", "tool:java", "com.oracle.java"})
                inventory.insert(QString::fromLatin1(key), record);
            const QString lower = name.toLower();
            if (lower.contains(QStringLiteral("jdk")))
                inventory.insert(QStringLiteral("keyword:jdk"), record);
            if (lower.contains(QStringLiteral("jre")))
                inventory.insert(QStringLiteral("keyword:jre"), record);
        }
    }
    if (found)
        DiagnosticLog::write(QString::fromUtf8("☕️ Java installation(s) found"));
}

void InstalledAppScanner::scanPackageManagers(Inventory &inventory) const
{
    auto indexPackages = [&](const fs::path &folder, InventoryKey::Form form, const QString &identifierPrefix) {
        for (const fs::path &child : childrenOf(folder)) {
            const QString name = PathNames::fileName(child);
            const QString lower = name.toLower();
            const InstalledApp record = makeRecord(name, identifierPrefix + lower, child);
            inventory.insert(InventoryKey::of(form, lower), record);
            inventory.insert(InventoryKey::of(InventoryKey::Form::keyword, lower), record);
        }
    };
    for (const std::string_view cellar : HomebrewCellars)
        indexPackages(resolve(cellar), InventoryKey::Form::brew, QStringLiteral("brew."));
    indexPackages(resolve("/opt/local/var/macports/registry/portfiles"), InventoryKey::Form::port,
                  QStringLiteral("macports."));
}
