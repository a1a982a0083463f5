#pragma once

#include <string_view>

// A check made before a property list reaches the parser, which recurses once per nesting level and
// follows object references blindly: it refuses binary lists whose objects refer to each other in a
// cycle or outside the object table, and lists of either format nested deeper than the limit.
// It runs in linear time and never recurses.
class PropertyListNesting {
public:
    static bool isAcceptable(std::string_view bytes, int maximumDepth);
    static bool isBinary(std::string_view bytes);

private:
    static bool isAcceptableBinary(std::string_view bytes, int maximumDepth);
    static bool isAcceptableText(std::string_view bytes, int maximumDepth);
};
