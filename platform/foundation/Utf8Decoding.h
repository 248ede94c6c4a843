#pragma once
// Internal helpers of the text layer: UTF-8 decoding with replacement, encoding, and the
// word-at-a-time ASCII scan behind the fast paths.
//
// Ill-formed input decodes as one U+FFFD per maximal ill-formed subsequence (the longest prefix
// of a well-formed sequence, or a single byte when not even that), so decoding always advances
// and never reads past the end.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace platform::text::detail {

constexpr char32_t kReplacementCharacter = 0xFFFD;

struct DecodedCodePoint {
    char32_t value;       // U+FFFD for an ill-formed subsequence
    std::uint32_t length; // bytes consumed, 1..4
    bool wellFormed;
};

// Decodes the code point at `text[offset]`. Precondition: offset < text.size().
inline DecodedCodePoint decodeUtf8At(std::string_view text, std::size_t offset)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data()) + offset;
    const std::size_t available = text.size() - offset;
    const unsigned lead = bytes[0];
    if (lead < 0x80) {
        return {lead, 1, true};
    }
    std::uint32_t trailing = 0;
    char32_t value = 0;
    unsigned low = 0x80;
    unsigned high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        trailing = 1;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        trailing = 2;
        value = lead & 0x0F;
        if (lead == 0xE0) {
            low = 0xA0; // no overlongs
        } else if (lead == 0xED) {
            high = 0x9F; // no surrogates
        }
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        trailing = 3;
        value = lead & 0x07;
        if (lead == 0xF0) {
            low = 0x90; // no overlongs
        } else if (lead == 0xF4) {
            high = 0x8F; // nothing above U+10FFFF
        }
    } else {
        return {kReplacementCharacter, 1, false}; // 0x80..0xC1, 0xF5..0xFF
    }
    for (std::uint32_t i = 1; i <= trailing; ++i) {
        if (i >= available) {
            return {kReplacementCharacter, i, false};
        }
        const unsigned byte = bytes[i];
        if (byte < low || byte > high) {
            return {kReplacementCharacter, i, false};
        }
        value = (value << 6) | (byte & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    return {value, trailing + 1, true};
}

// Length of the leading run of ASCII bytes, scanned a word at a time.
inline std::size_t asciiPrefixLength(std::string_view text)
{
    const char* data = text.data();
    const std::size_t size = text.size();
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, data + i, 8);
        if (word & 0x8080808080808080ULL) {
            break;
        }
    }
    while (i < size && static_cast<unsigned char>(data[i]) < 0x80) {
        ++i;
    }
    return i;
}

inline bool isScalarValue(char32_t c)
{
    return c < 0xD800 || (c > 0xDFFF && c <= 0x10FFFF);
}

// Appends `c` as UTF-8; anything that is not a scalar value becomes U+FFFD.
inline void appendUtf8(std::string& out, char32_t c)
{
    if (!isScalarValue(c)) {
        c = kReplacementCharacter;
    }
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Appends `text` with every ill-formed subsequence replaced by U+FFFD.
void appendSanitized(std::string& out, std::string_view text);

// Decodes `text` to UTF-16 with replacement. When `unitOffsets` is given it receives, for every
// UTF-16 unit, the byte offset of the code point it belongs to, plus text.size() at the end.
void decodeToUtf16(std::string_view text, std::u16string& out, std::vector<std::uint32_t>* unitOffsets = nullptr);

} // namespace platform::text::detail
