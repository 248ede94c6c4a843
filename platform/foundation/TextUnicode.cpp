// Unicode character classes, case mapping, normalisation and whitespace trimming.

#include "platform/foundation/Text.h"
#include "platform/foundation/IcuText.h"

#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>

namespace platform::text {

using detail::decodeUtf8At;

namespace {

bool hasCategory(char32_t c, std::uint32_t mask)
{
    return c <= 0x10FFFF && (U_GET_GC_MASK(static_cast<UChar32>(c)) & mask) != 0;
}

template <typename Test>
bool allCodePoints(std::string_view text, Test&& test)
{
    std::size_t offset = 0;
    while (offset < text.size()) {
        const auto decoded = decodeUtf8At(text, offset);
        if (!test(decoded.value)) {
            return false;
        }
        offset += decoded.length;
    }
    return true;
}

std::string fromUnicodeString(const icu::UnicodeString& text)
{
    return fromUtf16(std::u16string_view(text.getBuffer(), static_cast<std::size_t>(text.length())));
}

std::string sanitized(std::string_view text)
{
    std::string out;
    detail::appendSanitized(out, text);
    return out;
}

std::string mapAscii(std::string_view text, char from, char to)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= from && c <= to) {
            c = static_cast<char>(c ^ 0x20);
        }
    }
    return out;
}

} // namespace

bool isDecimalDigit(char32_t c)
{
    return hasCategory(c, U_GC_ND_MASK);
}
bool isLetter(char32_t c)
{
    return hasCategory(c, U_GC_L_MASK);
}
bool isMark(char32_t c)
{
    return hasCategory(c, U_GC_M_MASK);
}
bool isLetterOrMark(char32_t c)
{
    return hasCategory(c, U_GC_L_MASK | U_GC_M_MASK);
}
bool isAsciiDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

bool isWhitespace(char32_t c)
{
    if (c < 0x80) {
        return c == U' ' || (c >= 0x09 && c <= 0x0D);
    }
    return c <= 0x10FFFF && u_hasBinaryProperty(static_cast<UChar32>(c), UCHAR_WHITE_SPACE);
}

bool isControlCharacter(char32_t c)
{
    return c <= 0x1F || (c >= 0x7F && c <= 0x9F);
}

bool allDecimalDigits(std::string_view text)
{
    if (allAsciiDigits(text)) {
        return true;
    }
    // The only ASCII decimal digits are '0' to '9'; other scripts' digits need the Unicode test.
    return !isAscii(text) && allCodePoints(text, [](char32_t c) { return isAsciiDigit(c) || isDecimalDigit(c); });
}

std::string toUpper(std::string_view text)
{
    if (isAscii(text)) {
        return mapAscii(text, 'a', 'z');
    }
    auto unicode = detail::toIcuString(text);
    if (!unicode) {
        return sanitized(text);
    }
    unicode->toUpper(icu::Locale::getRoot());
    return fromUnicodeString(*unicode);
}

std::string toLower(std::string_view text)
{
    if (isAscii(text)) {
        return mapAscii(text, 'A', 'Z');
    }
    auto unicode = detail::toIcuString(text);
    if (!unicode) {
        return sanitized(text);
    }
    unicode->toLower(icu::Locale::getRoot());
    return fromUnicodeString(*unicode);
}

std::string toNFC(std::string_view text)
{
    if (isAscii(text)) {
        return std::string(text);
    }
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    auto unicode = detail::toIcuString(text);
    if (U_FAILURE(status) || !unicode) {
        return sanitized(text);
    }
    icu::UnicodeString normalized = nfc->normalize(*unicode, status);
    if (U_FAILURE(status)) {
        return sanitized(text);
    }
    return fromUnicodeString(normalized);
}

bool canonicallyEqual(std::string_view a, std::string_view b)
{
    if (a == b) {
        return true;
    }
    return toNFC(a) == toNFC(b);
}

std::string trimWhitespace(std::string_view text)
{
    std::size_t begin = text.size();
    std::size_t end = 0;
    std::size_t offset = 0;
    while (offset < text.size()) {
        const auto decoded = decodeUtf8At(text, offset);
        if (!isWhitespace(decoded.value)) {
            begin = std::min(begin, offset);
            end = offset + decoded.length;
        }
        offset += decoded.length;
    }
    if (begin >= end) {
        return {};
    }
    return sanitized(text.substr(begin, end - begin));
}

} // namespace platform::text
