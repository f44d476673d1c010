#pragma once
// Why the engine refuses what it was given, and where in the given text the
// fault lies, so that a window can say so and select it for mending.

#include <cstddef>
#include <string>

namespace quorvex {

struct Refusal {
    std::string reason;
    // The fault in bytes of the text; length 0 when it is no one place.
    std::size_t start = 0;
    std::size_t length = 0;

    bool operator==(const Refusal&) const = default;
};

} // namespace quorvex
