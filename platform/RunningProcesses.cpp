// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/RunningProcesses.h"

#include <string>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

std::optional<fs::path> RunningProcesses::bundleOfExecutable(const fs::path &executable, const fs::path &root)
{
    std::error_code error;
    fs::path canonicalRoot = fs::weakly_canonical(root, error);
    if (error)
        return std::nullopt;
    std::string rootText = canonicalRoot.native();
    while (rootText.size() > 1 && rootText.back() == '/')
        rootText.pop_back();

    const std::string &path = executable.native();
    if (rootText != "/") {
        if (!path.starts_with(rootText) || path.size() <= rootText.size() || path[rootText.size()] != '/')
            return std::nullopt;
    }
    static constexpr std::string_view Marker = ".app/Contents/MacOS/";
    const auto marker = path.rfind(Marker);
    if (marker == std::string::npos || path.size() == marker + Marker.size())
        return std::nullopt;
    const std::size_t bundleEnd = marker + 4; // just after ".app"
    const auto nameStart = path.rfind('/', marker);
    if (nameStart == std::string::npos || nameStart + 1 >= marker || nameStart + 1 < rootText.size())
        return std::nullopt;

    if (rootText == "/")
        return fs::path(path.substr(0, bundleEnd));
    return root / fs::path(path.substr(rootText.size() + 1, bundleEnd - rootText.size() - 1));
}
