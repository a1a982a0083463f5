// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PropertyListNesting.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace {

constexpr std::size_t TrailerSize = 32;
constexpr std::size_t HeaderSize = 8;

std::uint64_t readBigEndian(std::string_view bytes, std::size_t offset, std::size_t width)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value = (value << 8) | std::uint8_t(bytes[offset + i]);
    return value;
}

struct BinaryLayout {
    std::string_view bytes;
    std::size_t offsetIntSize = 0;
    std::size_t objectRefSize = 0;
    std::uint64_t objectCount = 0;
    std::uint64_t topObject = 0;
    std::uint64_t offsetTable = 0;

    std::optional<std::uint64_t> objectOffset(std::uint64_t index) const
    {
        const std::uint64_t offset =
            readBigEndian(bytes, std::size_t(offsetTable + index * offsetIntSize), offsetIntSize);
        if (offset < HeaderSize || offset >= offsetTable)
            return std::nullopt;
        return offset;
    }
};

std::optional<BinaryLayout> readLayout(std::string_view bytes)
{
    if (bytes.size() < HeaderSize + TrailerSize)
        return std::nullopt;
    const std::size_t trailer = bytes.size() - TrailerSize;
    BinaryLayout layout;
    layout.bytes = bytes;
    layout.offsetIntSize = std::uint8_t(bytes[trailer + 6]);
    layout.objectRefSize = std::uint8_t(bytes[trailer + 7]);
    layout.objectCount = readBigEndian(bytes, trailer + 8, 8);
    layout.topObject = readBigEndian(bytes, trailer + 16, 8);
    layout.offsetTable = readBigEndian(bytes, trailer + 24, 8);
    if (layout.offsetIntSize < 1 || layout.offsetIntSize > 8 || layout.objectRefSize < 1 || layout.objectRefSize > 8)
        return std::nullopt;
    if (layout.objectCount == 0 || layout.topObject >= layout.objectCount)
        return std::nullopt;
    if (layout.offsetTable < HeaderSize || layout.offsetTable > trailer)
        return std::nullopt;
    // Every object takes at least one byte, so a count larger than the file is a lie.
    if (layout.objectCount > (trailer - layout.offsetTable) / layout.offsetIntSize)
        return std::nullopt;
    return layout;
}

// What the parser makes of one object: the objects a container refers to (none for a scalar) and the bytes of
// text or data a scalar carries.
struct ObjectContents {
    std::vector<std::uint64_t> references;
    std::uint64_t payloadBytes = 0;
};

// Returns nothing when the object's header, references or payload run past the object area.
std::optional<ObjectContents> objectContents(const BinaryLayout &layout, std::uint64_t offset)
{
    const std::string_view bytes = layout.bytes;
    const std::uint8_t marker = std::uint8_t(bytes[offset]);
    const std::uint8_t type = marker >> 4;
    const bool isArrayOrSet = type == 0xA || type == 0xB || type == 0xC;
    const bool isDictionary = type == 0xD;
    const bool isData = type == 0x4 || type == 0x5;
    const bool isUtf16 = type == 0x6;
    if (!isArrayOrSet && !isDictionary && !isData && !isUtf16)
        return ObjectContents{};

    std::uint64_t position = offset + 1;
    std::uint64_t count = marker & 0x0F;
    if (count == 0x0F) {
        if (position >= layout.offsetTable)
            return std::nullopt;
        const std::uint8_t intMarker = std::uint8_t(bytes[position]);
        if ((intMarker >> 4) != 0x1 || (intMarker & 0x0F) > 3)
            return std::nullopt;
        const std::size_t width = std::size_t(1) << (intMarker & 0x0F);
        if (position + 1 + width > layout.offsetTable)
            return std::nullopt;
        count = readBigEndian(bytes, std::size_t(position + 1), width);
        position += 1 + width;
    }
    const std::uint64_t available = layout.offsetTable - position;
    if (isData || isUtf16) {
        // UTF-16 text becomes UTF-8 in the parser: up to three bytes for each unit of two.
        if (count > available || (isUtf16 && count > available / 2))
            return std::nullopt;
        return ObjectContents{{}, isUtf16 ? count * 3 : count};
    }

    const std::uint64_t referenceCount = isDictionary ? count * 2 : count;
    const std::uint64_t availableReferences = available / layout.objectRefSize;
    if (count > availableReferences || referenceCount > availableReferences)
        return std::nullopt;

    ObjectContents contents;
    contents.references.reserve(std::size_t(referenceCount));
    for (std::uint64_t i = 0; i < referenceCount; ++i) {
        const std::uint64_t reference =
            readBigEndian(bytes, std::size_t(position + i * layout.objectRefSize), layout.objectRefSize);
        if (reference >= layout.objectCount)
            return std::nullopt;
        contents.references.push_back(reference);
    }
    return contents;
}

// Sizes of an object once every reference below it is replaced by a copy of the object it names, as the
// parser does. The sums saturate instead of overflowing.
struct ExpandedSize {
    std::uint64_t objects = 0;
    std::uint64_t payloadBytes = 0;

    void add(const ExpandedSize &other)
    {
        objects = saturatedSum(objects, other.objects);
        payloadBytes = saturatedSum(payloadBytes, other.payloadBytes);
    }
    bool fits(const PropertyListNesting::Limits &limits) const
    {
        return objects <= limits.maximumExpandedObjects && payloadBytes <= limits.maximumExpandedBytes;
    }

private:
    static std::uint64_t saturatedSum(std::uint64_t a, std::uint64_t b)
    {
        return a > std::numeric_limits<std::uint64_t>::max() - b ? std::numeric_limits<std::uint64_t>::max() : a + b;
    }
};

} // namespace

bool PropertyListNesting::isBinary(std::string_view bytes)
{
    return bytes.size() >= HeaderSize && bytes.substr(0, 6) == "bplist";
}

bool PropertyListNesting::isAcceptable(std::string_view bytes, const Limits &limits)
{
    return isBinary(bytes) ? isAcceptableBinary(bytes, limits) : isAcceptableText(bytes, limits);
}

bool PropertyListNesting::isAcceptableBinary(std::string_view bytes, const Limits &limits)
{
    const auto layout = readLayout(bytes);
    if (!layout)
        return false;

    // Depth-first walk from the top object with an explicit stack. An object met again while it is still on
    // the stack closes a cycle; an object already finished is shared, and its height and expanded size are
    // known. Each object is entered once, so the walk is linear however often objects are shared.
    enum class Mark : std::uint8_t { Unvisited, OnStack, Done };
    std::vector<Mark> marks(std::size_t(layout->objectCount), Mark::Unvisited);
    std::vector<int> heights(std::size_t(layout->objectCount), 0);
    std::vector<ExpandedSize> sizes(std::size_t(layout->objectCount));

    struct Frame {
        std::uint64_t object;
        std::vector<std::uint64_t> references;
        ExpandedSize size;
        std::size_t next = 0;
        int height = 1;
    };
    std::vector<Frame> stack;

    auto enter = [&](std::uint64_t object) -> bool {
        const auto offset = layout->objectOffset(object);
        if (!offset)
            return false;
        auto contents = objectContents(*layout, *offset);
        if (!contents)
            return false;
        marks[object] = Mark::OnStack;
        stack.push_back(Frame{object, std::move(contents->references), ExpandedSize{1, contents->payloadBytes}});
        return int(stack.size()) <= limits.maximumDepth && stack.back().size.fits(limits);
    };

    if (!enter(layout->topObject))
        return false;
    while (!stack.empty()) {
        Frame &frame = stack.back();
        if (frame.next == frame.references.size()) {
            marks[frame.object] = Mark::Done;
            heights[frame.object] = frame.height;
            sizes[frame.object] = frame.size;
            const int height = frame.height;
            const ExpandedSize size = frame.size;
            stack.pop_back();
            if (!stack.empty()) {
                Frame &parent = stack.back();
                if (parent.height < height + 1)
                    parent.height = height + 1;
                parent.size.add(size);
                if (!parent.size.fits(limits))
                    return false;
            }
            continue;
        }
        const std::uint64_t child = frame.references[frame.next++];
        switch (marks[child]) {
        case Mark::OnStack:
            return false;
        case Mark::Done:
            if (heights[child] + int(stack.size()) > limits.maximumDepth)
                return false;
            if (frame.height < heights[child] + 1)
                frame.height = heights[child] + 1;
            frame.size.add(sizes[child]);
            if (!frame.size.fits(limits))
                return false;
            break;
        case Mark::Unvisited:
            if (!enter(child))
                return false;
            break;
        }
    }
    return true;
}

bool PropertyListNesting::isAcceptableText(std::string_view bytes, const Limits &limits)
{
    // Counts element nesting, and elements, over the whole text. Markup inside comments or CDATA may be counted
    // too, which can only make the check stricter.
    int depth = 0;
    std::uint64_t elements = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '<' || i + 1 >= bytes.size())
            continue;
        const char next = bytes[i + 1];
        if (next == '?' || next == '!')
            continue;
        if (next == '/') {
            if (depth > 0)
                --depth;
            continue;
        }
        const auto close = bytes.find('>', i + 1);
        if (close == std::string_view::npos)
            return true; // truncated text: the parser refuses it without nesting further
        if (++elements > limits.maximumExpandedObjects)
            return false;
        if (bytes[close - 1] != '/' && ++depth > limits.maximumDepth)
            return false;
        i = close;
    }
    return true;
}
