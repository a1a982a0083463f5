// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PathNames.h"

namespace {

std::string_view lastComponent(std::string_view native)
{
    while (native.size() > 1 && native.back() == '/')
        native.remove_suffix(1);
    const auto slash = native.rfind('/');
    return slash == std::string_view::npos ? native : native.substr(slash + 1);
}

// Position of the dot that starts the last extension, or npos. A leading dot starts no extension.
std::string_view::size_type extensionDot(std::string_view name)
{
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return std::string_view::npos;
    return dot;
}

} // namespace

QString PathNames::text(const std::filesystem::path &path)
{
    return QString::fromUtf8(path.native().data(), qsizetype(path.native().size()));
}

QString PathNames::fileName(const std::filesystem::path &path)
{
    return fileName(std::string_view(path.native()));
}

QString PathNames::fileName(std::string_view native)
{
    const auto name = lastComponent(native);
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

QString PathNames::baseName(const std::filesystem::path &path)
{
    auto name = lastComponent(path.native());
    const auto dot = extensionDot(name);
    if (dot != std::string_view::npos)
        name = name.substr(0, dot);
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

bool PathNames::hasExtension(const std::filesystem::path &path, std::string_view extension)
{
    const auto name = lastComponent(path.native());
    const auto dot = extensionDot(name);
    return dot != std::string_view::npos && name.substr(dot + 1) == extension;
}

bool PathNames::isEntryName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos;
}
