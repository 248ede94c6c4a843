// Validation and conversion between UTF-8, UTF-16 and UTF-32.

#include "platform/foundation/Text.h"
#include "platform/foundation/Utf8Decoding.h"

namespace platform::text {

using detail::asciiPrefixLength;
using detail::decodeUtf8At;

namespace detail {

void appendSanitized(std::string& out, std::string_view text)
{
    std::size_t runStart = 0;
    std::size_t offset = 0;
    while (offset < text.size()) {
        offset += asciiPrefixLength(text.substr(offset));
        if (offset >= text.size()) {
            break;
        }
        const DecodedCodePoint decoded = decodeUtf8At(text, offset);
        if (!decoded.wellFormed) {
            out.append(text.substr(runStart, offset - runStart));
            detail::appendUtf8(out, kReplacementCharacter);
            runStart = offset + decoded.length;
        }
        offset += decoded.length;
    }
    out.append(text.substr(runStart));
}

void decodeToUtf16(std::string_view text, std::u16string& out, std::vector<std::uint32_t>* unitOffsets)
{
    out.clear();
    if (unitOffsets) {
        unitOffsets->clear();
    }
    std::size_t offset = 0;
    while (offset < text.size()) {
        const DecodedCodePoint decoded = decodeUtf8At(text, offset);
        if (decoded.value >= 0x10000) {
            const char32_t v = decoded.value - 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
            if (unitOffsets) {
                unitOffsets->push_back(static_cast<std::uint32_t>(offset));
                unitOffsets->push_back(static_cast<std::uint32_t>(offset));
            }
        } else {
            out.push_back(static_cast<char16_t>(decoded.value));
            if (unitOffsets) {
                unitOffsets->push_back(static_cast<std::uint32_t>(offset));
            }
        }
        offset += decoded.length;
    }
    if (unitOffsets) {
        unitOffsets->push_back(static_cast<std::uint32_t>(text.size()));
    }
}

} // namespace detail

bool isValidUtf8(std::string_view text)
{
    std::size_t offset = 0;
    while (offset < text.size()) {
        offset += asciiPrefixLength(text.substr(offset));
        if (offset >= text.size()) {
            break;
        }
        const auto decoded = decodeUtf8At(text, offset);
        if (!decoded.wellFormed) {
            return false;
        }
        offset += decoded.length;
    }
    return true;
}

std::u32string toUtf32(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    std::size_t offset = 0;
    while (offset < text.size()) {
        const auto decoded = decodeUtf8At(text, offset);
        out.push_back(decoded.value);
        offset += decoded.length;
    }
    return out;
}

std::string fromUtf32(std::u32string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        detail::appendUtf8(out, c);
    }
    return out;
}

std::size_t utf16Length(std::string_view text)
{
    std::size_t offset = asciiPrefixLength(text);
    std::size_t units = offset;
    while (offset < text.size()) {
        const auto decoded = decodeUtf8At(text, offset);
        units += decoded.value >= 0x10000 ? 2 : 1;
        offset += decoded.length;
    }
    return units;
}

std::u16string toUtf16(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    detail::decodeToUtf16(text, out);
    return out;
}

std::string fromUtf16(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            const char32_t high = unit - 0xD800;
            const char32_t low = text[i + 1] - 0xDC00;
            detail::appendUtf8(out, 0x10000 + (high << 10) + low);
            ++i;
        } else {
            detail::appendUtf8(out, unit); // a lone surrogate becomes U+FFFD
        }
    }
    return out;
}

void appendUtf8(std::string& out, char32_t codePoint)
{
    detail::appendUtf8(out, codePoint);
}

} // namespace platform::text
