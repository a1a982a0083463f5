#pragma once

#include "identification/KnownApp.h"

#include <cstddef>
#include <span>

// The applications the identification recognises by a keyword in an entry's name, with the display name and
// bundle identifier reported for them. Constant data of the program, in lookup order.
class KnownAppCatalogue {
public:
    static constexpr std::size_t RowCount = 1106;

    static std::span<const KnownApp> rows();
};
