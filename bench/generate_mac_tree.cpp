// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MacTreeGenerator.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string_view>

namespace {

void printUsage(std::FILE *stream)
{
    std::fputs("usage: generate_mac_tree --out DIR [--apps N] [--library-entries M] [--caches-share P] [--seed S]\n"
               "                         [--threads T]\n"
               "\n"
               "Writes a synthetic Mac file tree for benchmarks. DIR stands for \"/\" and must be empty or absent;\n"
               "the user's home is DIR/Users/bench.\n"
               "\n"
               "  --out DIR              output folder (required)\n"
               "  --apps N               application bundles to write (default 2000)\n"
               "  --library-entries M    entries spread over the Library folders (default 20000)\n"
               "  --caches-share P       thousandths of the Library entries put in the user's Caches folder, the\n"
               "                         rest spread as usual (default: the usual spread, about 170)\n"
               "  --seed S               seed; equal seeds give equal trees (default 1)\n"
               "  --threads T            writer threads (default: one per hardware thread, at most 8)\n",
               stream);
}

template <typename Number> bool parseNumber(std::string_view text, Number &value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

} // namespace

int main(int argc, char **argv)
{
    MacTreeGenerator::Options options;

    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help") {
            printUsage(stdout);
            return 0;
        }
        if (i + 1 >= argc) {
            std::fprintf(stderr, "generate_mac_tree: %s needs a value\n", argv[i]);
            printUsage(stderr);
            return 2;
        }
        const std::string_view value = argv[++i];
        bool valid = true;
        if (argument == "--out")
            options.outputDirectory = std::string(value);
        else if (argument == "--apps")
            valid = parseNumber(value, options.appCount) && options.appCount >= 0;
        else if (argument == "--library-entries")
            valid = parseNumber(value, options.libraryEntryCount) && options.libraryEntryCount >= 0;
        else if (argument == "--caches-share")
            valid = parseNumber(value, options.cachesPerMille) && options.cachesPerMille >= 0 &&
                    options.cachesPerMille <= 1000;
        else if (argument == "--seed")
            valid = parseNumber(value, options.seed);
        else if (argument == "--threads")
            valid = parseNumber(value, options.threadCount) && options.threadCount > 0;
        else {
            std::fprintf(stderr, "generate_mac_tree: unknown option %s\n", argv[i - 1]);
            printUsage(stderr);
            return 2;
        }
        if (!valid) {
            std::fprintf(stderr, "generate_mac_tree: invalid value for %s: %s\n", argv[i - 1], argv[i]);
            return 2;
        }
    }
    if (options.outputDirectory.empty()) {
        std::fputs("generate_mac_tree: --out is required\n", stderr);
        printUsage(stderr);
        return 2;
    }

    const auto start = std::chrono::steady_clock::now();
    MacTreeGenerator::Summary summary;
    try {
        MacTreeGenerator generator(options);
        summary = generator.generate();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "generate_mac_tree: %s\n", error.what());
        return 1;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    std::fprintf(stderr,
                 "generated %llu app bundles, %llu helper bundles, %llu Library entries, %llu tools, %llu packages: "
                 "%llu files, %llu folders, %llu links in %.1f s\n",
                 static_cast<unsigned long long>(summary.appBundles),
                 static_cast<unsigned long long>(summary.helperBundles),
                 static_cast<unsigned long long>(summary.libraryEntries),
                 static_cast<unsigned long long>(summary.tools), static_cast<unsigned long long>(summary.packages),
                 static_cast<unsigned long long>(summary.files), static_cast<unsigned long long>(summary.folders),
                 static_cast<unsigned long long>(summary.symlinks), elapsed.count());
    return 0;
}
