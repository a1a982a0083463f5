// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <span>
#include <string_view>

// The fixed word lists of the identification, in the order their readers walk them.
class IdentificationWordLists {
public:
    // Dropped, each at most once and in this order, from the front of a lower-cased name.
    static constexpr std::array<std::string_view, 5> ReverseDomainPrefixes{"com.", "org.", "net.", "io.", "app."};
    // Bundle-identifier components that name a top-level domain rather than a vendor or product.
    static constexpr std::array<std::string_view, 10> BundleIDTopLevelWords{"com", "org", "net", "io", "app",
                                                                            "de",  "fr",  "uk",  "us", "co"};
    // Name tokens that say nothing about the owner.
    static constexpr std::array<std::string_view, 18> TokenStopWords{
        "support", "helper",      "agent",     "daemon",  "service", "plugin", "extension", "plist",   "data",
        "temp",    "application", "framework", "library", "system",  "user",   "local",     "private", "public"};
    // Candidate names too generic to look up.
    static constexpr std::array<std::string_view, 8> CandidateSkipWords{"app",   "application", "desktop", "client",
                                                                        "suite", "studio",      "pro",     "plus"};
    // Words of an application name too generic to match on their own.
    static constexpr std::array<std::string_view, 7> NameSkipWords{"application", "software", "desktop", "client",
                                                                   "helper",      "launcher", "manager"};
    // Words of Library entry names and application names that many unrelated applications share, so that
    // sharing one says nothing about a common owner.
    static constexpr std::array<std::string_view, 121> LookalikeGenericWords{
        "com",        "org",           "net",        "app",      "apps",       "application",   "helper",
        "helpers",    "agent",         "agents",     "support",  "data",       "cache",         "caches",
        "group",      "desktop",       "client",     "launcher", "service",    "services",      "daemon",
        "electron",   "macos",         "mac",        "browser",  "update",     "updater",       "updates",
        "extension",  "extensions",    "plugin",     "plugins",  "login",      "storage",       "beta",
        "pro",        "studio",        "editor",     "plist",    "savedstate", "shipit",        "sparkle",
        "crashpad",   "crashreporter", "crashes",    "logs",     "settings",   "preferences",   "prefs",
        "config",     "defaults",      "shared",     "files",    "library",    "temp",          "backup",
        "backups",    "sync",          "cloud",      "webkit",   "cookies",    "binarycookies", "sqlite",
        "database",   "manager",       "tools",      "utility",  "system",     "framework",     "core",
        "main",       "free",          "lite",       "plus",     "edition",    "installer",     "uninstaller",
        "setup",      "mobile",        "player",     "viewer",   "reader",     "assistant",     "widget",
        "widgets",    "menu",          "menubar",    "safari",   "share",      "sharing",       "finder",
        "quicklook",  "spotlight",     "mdimporter", "intents",  "keyboard",   "download",      "downloads",
        "downloader", "community",     "express",    "insider",  "insiders",   "nightly",       "canary",
        "preview",    "stable",        "release",    "personal", "enterprise", "team",          "local",
        "user",       "users",         "default",    "console",  "server",     "script",        "scripts",
        "frontend",   "backend"};

    // Exact equality against one of the lists above; callers lower-case the word first.
    static bool contains(std::span<const std::string_view> list, std::string_view word);
};
