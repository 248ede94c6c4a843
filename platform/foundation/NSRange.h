#pragma once
// NSRange: a range of UTF-16 code units (attributed strings, text editing).

#include <cstddef>

namespace platform {

struct NSRange {
    std::size_t location = 0;
    std::size_t length = 0;

    std::size_t end() const { return location + length; }
    bool contains(std::size_t index) const { return index >= location && index < end(); }
    // True when the range lies within a text of `textLength` units (overflow-safe).
    bool fitsWithin(std::size_t textLength) const { return location <= textLength && length <= textLength - location; }
    bool operator==(const NSRange&) const = default;
};

} // namespace platform
