#pragma once

#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// leftscan [--root DIR] [--home DIR] [--demo]. Paths keep the exact bytes they were given with.
struct StartupOptions {
    std::filesystem::path root = "/";
    std::filesystem::path home;
    bool demo = false;
    bool help = false;

    // On failure returns nothing and sets `error` to a one-line message.
    static std::optional<StartupOptions> parse(const std::vector<std::string> &arguments, QString &error);
    static QString usage();
};
