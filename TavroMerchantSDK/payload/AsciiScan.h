#pragma once
// Whether text is plain ASCII, checked eight bytes at a time: the codec asks this of every whole
// payload it reads or checks, and payloads are nearly always ASCII.

#include <cstdint>
#include <cstring>
#include <string_view>

namespace tavro::detail {

// True when every byte is below 0x80 (true for empty text).
inline bool isAsciiText(std::string_view text)
{
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    const char* data = text.data();
    std::size_t size = text.size();
    std::uint64_t seen = 0;
    if (size < sizeof seen) {
        for (; size > 0; ++data, --size) {
            seen |= static_cast<unsigned char>(*data);
        }
        return (seen & kHighBits) == 0;
    }
    std::uint64_t word;
    for (; size > sizeof word; data += sizeof word, size -= sizeof word) {
        std::memcpy(&word, data, sizeof word);
        seen |= word;
    }
    // The last word ends at the text's end; it may overlap bytes already seen.
    std::memcpy(&word, data + size - sizeof word, sizeof word);
    return ((seen | word) & kHighBits) == 0;
}

} // namespace tavro::detail
