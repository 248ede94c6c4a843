#pragma once
// ASCII questions asked of whole texts, eight bytes at a time, and the ASCII letter rules for
// names, keys and words of a file format. Inline: payload codecs ask them of every field, and
// nearly every field is short and ASCII.
//
// These rules never depend on the process's locale, as <cctype>'s do: under a Turkish locale
// std::tolower('I') is not 'i', and a single-byte locale counts letters among the high bytes.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace platform::text {

// True when every byte is below 0x80 (true for the empty text).
inline bool isAscii(std::string_view text)
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

// True when every byte is an ASCII digit '0' to '9' (true for the empty text).
inline bool allAsciiDigits(std::string_view text)
{
    // A byte is a digit when its high nibble is 3 and adding 6 does not carry into it (0x30 to
    // 0x39). Once every high nibble is 3, no byte's sum can carry into the next byte.
    constexpr std::uint64_t kHighNibbles = 0xF0F0F0F0F0F0F0F0ULL;
    constexpr std::uint64_t kThrees = 0x3030303030303030ULL;
    constexpr std::uint64_t kSixes = 0x0606060606060606ULL;
    const auto allDigits = [&](std::uint64_t word) {
        return (word & kHighNibbles) == kThrees && ((word + kSixes) & kHighNibbles) == kThrees;
    };
    const char* data = text.data();
    std::size_t size = text.size();
    std::uint64_t word;
    if (size < sizeof word) {
        for (; size > 0; ++data, --size) {
            if (*data < '0' || *data > '9') {
                return false;
            }
        }
        return true;
    }
    for (; size > sizeof word; data += sizeof word, size -= sizeof word) {
        std::memcpy(&word, data, sizeof word);
        if (!allDigits(word)) {
            return false;
        }
    }
    // The last word ends at the text's end; it may overlap bytes already seen.
    std::memcpy(&word, data + size - sizeof word, sizeof word);
    return allDigits(word);
}

// 'A' to 'Z' as 'a' to 'z'; every other byte as it is.
constexpr char toAsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The text with 'A' to 'Z' as 'a' to 'z'.
inline std::string toAsciiLower(std::string_view text)
{
    std::string lowered(text);
    for (char& c : lowered)
        c = toAsciiLower(c);
    return lowered;
}

// '0' to '9', 'A' to 'Z' and 'a' to 'z'; no other byte.
constexpr bool isAsciiAlphanumeric(char c)
{
    return (c >= '0' && c <= '9') || (toAsciiLower(c) >= 'a' && toAsciiLower(c) <= 'z');
}

// Whether the texts are equal once 'A' to 'Z' are taken as 'a' to 'z' (other bytes as they are).
constexpr bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (toAsciiLower(a[i]) != toAsciiLower(b[i]))
            return false;
    }
    return true;
}

} // namespace platform::text
