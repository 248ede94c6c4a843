#pragma once
// Text layer over ICU for UTF-8 std::string text.
//
// Counting, slicing and indexing come in two units: Unicode scalar values (code points) and
// extended grapheme clusters (user-perceived characters). Each has an ASCII fast path; note that
// CR LF is a single grapheme cluster.
//
// Text that is not valid UTF-8 is undecodable: isValidUtf8() says so, and every other operation
// reads such text as if each maximal ill-formed subsequence were one U+FFFD, never reading past
// the end of the input. Text handed back (slices, mapped text) is always well-formed UTF-8;
// byte offsets refer to the text as given.

#include "platform/foundation/TextAscii.h" // isAscii, allAsciiDigits

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::text {

bool isValidUtf8(std::string_view text);

// --- code points (Unicode scalar values) ---
std::size_t codePointCount(std::string_view text);
// Byte offset where code point `index` starts; text.size() for index == count; nullopt beyond.
std::optional<std::size_t> byteOffsetOfCodePoint(std::string_view text, std::size_t index);
// Up to `count` code points starting at code point `start` (clamped to the text).
std::string codePointSlice(std::string_view text, std::size_t start, std::size_t count = std::string_view::npos);
// The code point at `index` as UTF-8 text; nullopt when out of range.
std::optional<std::string> codePointAt(std::string_view text, std::size_t index);
std::u32string toUtf32(std::string_view text);
std::string fromUtf32(std::u32string_view text);
// Appends one code point as UTF-8; a value that is not a Unicode scalar value becomes U+FFFD.
void appendUtf8(std::string& out, char32_t codePoint);

// --- extended grapheme clusters ---
std::size_t graphemeCount(std::string_view text);
std::optional<std::size_t> byteOffsetOfGrapheme(std::string_view text, std::size_t index);
std::string graphemeSlice(std::string_view text, std::size_t start, std::size_t count = std::string_view::npos);
std::optional<std::string> graphemeAt(std::string_view text, std::size_t index);
// Where clusters meet, in UTF-16 units as toUtf16 counts them: 0, then the end of each cluster in
// order, the last being utf16Length(text) ({0} for the empty text).
std::vector<std::size_t> graphemeBoundariesUtf16(std::string_view text);

// --- UTF-16 (attributed-string ranges, text-field editing ranges) ---
std::size_t utf16Length(std::string_view text);
std::u16string toUtf16(std::string_view text);
std::string fromUtf16(std::u16string_view text);

// --- Unicode classes ---
bool isDecimalDigit(char32_t c); // general category Nd
bool isLetter(char32_t c);       // general category L*
bool isMark(char32_t c);         // general category M*
bool isLetterOrMark(char32_t c);
bool isAsciiDigit(char32_t c);
bool isWhitespace(char32_t c); // White_Space property
// General category Cc: U+0000 to U+001F and U+007F to U+009F (fixed by Unicode's stability policy).
bool isControlCharacter(char32_t c);
// Whether the text holds a control character, and whether it holds a supplementary character
// (above U+FFFF: two UTF-16 units where UTF-8 and UTF-32 have one code point). Found in one pass
// over the bytes, without decoding the text; ill-formed bytes are of neither kind.
struct ControlAndSupplementary {
    bool control = false;
    bool supplementary = false;
    bool any() const { return control || supplementary; }
};
ControlAndSupplementary findControlAndSupplementary(std::string_view text);
// True when every code point of the text is a decimal digit of any script (true for empty text).
bool allDecimalDigits(std::string_view text);

// --- case mapping and normalisation (locale-independent) ---
std::string toUpper(std::string_view text);
std::string toLower(std::string_view text);
std::string toNFC(std::string_view text);
bool canonicallyEqual(std::string_view a, std::string_view b); // equal after NFC
std::string trimWhitespace(std::string_view text);             // White_Space at both ends

// --- strict parsing ---
// Optional "+" or "-", then one or more digits of the radix (2..36; letters either case),
// nothing else; a value that does not fit in 64 bits is a failure.
std::optional<std::int64_t> parseInteger(std::string_view text, int radix = 10);
// Locale-independent decimal: optional sign, ASCII digits with at most one ".", at least one
// digit, optional exponent ("e" or "E", optional sign, digits). No spaces, "inf", "nan" or hex.
std::optional<double> parseDecimal(std::string_view text);
// Plain decimal: ASCII digits with at most one "." and at least one digit; no sign, no exponent.
bool isPlainDecimal(std::string_view text);

} // namespace platform::text
