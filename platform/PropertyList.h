// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/PropertyListXmlReader.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

// A parsed property list (XML or binary). Reading never fails loudly: input that cannot be parsed, that nests
// deeper than MaximumDepth, or that would parse into more than MaximumExpandedObjects objects or
// MaximumExpandedBytes bytes of text and data (a binary list's shared objects count once for every reference
// to them), gives no list at all. Strings longer than TextLimits::MaximumValueBytes are left out.
class PropertyList {
public:
    static constexpr int MaximumDepth = 256;
    // What is read of a list is a few strings of its root (an identifier, a version, a name, a Label) and every
    // short string in it; real lists hold a few thousand objects and some hundred kilobytes of text at most. The
    // budget is set by that, not by what a few hundred bytes of shared references can unfold to.
    static constexpr std::uint64_t MaximumExpandedObjects = std::uint64_t(1) << 16;
    static constexpr std::uint64_t MaximumExpandedBytes = std::uint64_t(4) << 20;

    // `Parser::full` reads every list with the full parser, never with the quick reader of the plain XML form; both
    // read every list alike.
    enum class Parser { quickWherePlain, full };
    static std::optional<PropertyList> parse(std::string_view bytes, Parser parser = Parser::quickWherePlain);

    PropertyList(PropertyList &&other) noexcept;
    PropertyList &operator=(PropertyList &&other) noexcept;
    PropertyList(const PropertyList &) = delete;
    PropertyList &operator=(const PropertyList &) = delete;
    ~PropertyList();

    bool isDictionary() const;
    // The string stored under `key` of the root dictionary, if the root is a dictionary and the value a string not
    // longer than the limit.
    std::optional<QString> string(const char *key) const;
    // Every string value in the list not longer than the limit, depth first in document order; dictionary keys are
    // not visited.
    void forEachString(const std::function<void(const QString &)> &visit) const;

private:
    explicit PropertyList(void *root);
    explicit PropertyList(PropertyListXmlReader::Contents contents);

    // The list is held either as the full parser's tree or as what the quick reader kept of it.
    void *m_root = nullptr;
    std::unique_ptr<PropertyListXmlReader::Contents> m_contents;
};
