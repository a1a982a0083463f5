#pragma once

#include <QString>
#include <optional>
#include <span>

// The cases of an enumeration in declaration order. Only enumerations with a fixed list of cases specialise it.
template <typename Enumeration> std::span<const Enumeration> allCases() = delete;

// The case whose raw value is exactly `text` (case-sensitive), for enumerations that have both `allCases` and
// `rawValue`.
template <typename Enumeration> std::optional<Enumeration> fromRawValue(const QString &text)
{
    for (const Enumeration candidate : allCases<Enumeration>()) {
        if (rawValue(candidate) == text)
            return candidate;
    }
    return std::nullopt;
}
