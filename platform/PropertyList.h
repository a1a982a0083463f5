#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

// A parsed property list (XML or binary). Reading never fails loudly: input that cannot be parsed, that nests
// deeper than MaximumDepth, or that would parse into more than MaximumExpandedObjects objects or
// MaximumExpandedBytes bytes of text and data (a binary list's shared objects count once for every reference
// to them), gives no list at all.
class PropertyList {
public:
    static constexpr int MaximumDepth = 256;
    static constexpr std::uint64_t MaximumExpandedObjects = std::uint64_t(1) << 20;
    static constexpr std::uint64_t MaximumExpandedBytes = std::uint64_t(256) << 20;

    static std::optional<PropertyList> parse(std::string_view bytes);

    PropertyList(PropertyList &&other) noexcept;
    PropertyList &operator=(PropertyList &&other) noexcept;
    PropertyList(const PropertyList &) = delete;
    PropertyList &operator=(const PropertyList &) = delete;
    ~PropertyList();

    bool isDictionary() const;
    // The string stored under `key` of the root dictionary, if the root is a dictionary and the value a string.
    std::optional<QString> string(const char *key) const;
    // Every string value in the list, depth first in document order; dictionary keys are not visited.
    void forEachString(const std::function<void(const QString &)> &visit) const;

private:
    explicit PropertyList(void *root);

    void *m_root = nullptr;
};
