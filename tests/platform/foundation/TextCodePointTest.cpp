#include "platform/foundation/Text.h"

#include <gtest/gtest.h>

#include <unicode/ustring.h>

#include <memory>
#include <random>

using namespace platform::text;

namespace {

const std::string kReplacement = "\xEF\xBF\xBD";

// A copy in a heap block of exactly the text's size, so reading past the end trips the sanitizer.
struct ExactBuffer {
    explicit ExactBuffer(std::string_view text) : bytes(std::make_unique<char[]>(text.size())), size(text.size())
    {
        std::copy(text.begin(), text.end(), bytes.get());
    }
    std::string_view view() const { return {bytes.get(), size}; }
    std::unique_ptr<char[]> bytes;
    std::size_t size;
};

} // namespace

TEST(TextCodePoints, CountsBytesCodePointsAndUtf16Units)
{
    struct Case {
        std::string text;
        std::size_t bytes;
        std::size_t codePoints;
        std::size_t utf16;
    };
    const Case cases[] = {
        {"", 0, 0, 0},           {"Cafe", 4, 4, 4}, {"Caf\u00E9", 5, 4, 4},
        {"Cafe\u0301", 6, 5, 5}, {"\r\n", 2, 2, 2}, {"\U0001F469\u200D\U0001F469\u200D\U0001F467", 18, 5, 8},
        {"\u20AC10", 5, 3, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.text.size(), c.bytes);
        EXPECT_EQ(codePointCount(c.text), c.codePoints);
        EXPECT_EQ(utf16Length(c.text), c.utf16);
        EXPECT_EQ(toUtf16(c.text).size(), c.utf16);
        EXPECT_EQ(toUtf32(c.text).size(), c.codePoints);
    }
}

TEST(TextCodePoints, IndexingAndSlicing)
{
    const std::string text = "a\u00E9\u20AC\U0001F600z"; // 1 + 2 + 3 + 4 + 1 bytes
    EXPECT_EQ(byteOffsetOfCodePoint(text, 0), 0u);
    EXPECT_EQ(byteOffsetOfCodePoint(text, 2), 3u);
    EXPECT_EQ(byteOffsetOfCodePoint(text, 4), 10u);
    EXPECT_EQ(byteOffsetOfCodePoint(text, 5), text.size());
    EXPECT_EQ(byteOffsetOfCodePoint(text, 6), std::nullopt);
    EXPECT_EQ(byteOffsetOfCodePoint("", 0), 0u);

    EXPECT_EQ(codePointSlice(text, 1, 2), "\u00E9\u20AC");
    EXPECT_EQ(codePointSlice(text, 3), "\U0001F600z");
    EXPECT_EQ(codePointSlice(text, 4, 100), "z");
    EXPECT_EQ(codePointSlice(text, 5), "");
    EXPECT_EQ(codePointSlice(text, 9), "");
    EXPECT_EQ(codePointSlice(text, 0, 0), "");
    EXPECT_EQ(codePointSlice("abcdef", 2, 3), "cde");

    EXPECT_EQ(codePointAt(text, 3), "\U0001F600");
    EXPECT_EQ(codePointAt(text, 4), "z");
    EXPECT_EQ(codePointAt(text, 5), std::nullopt);
    EXPECT_EQ(codePointAt("", 0), std::nullopt);
}

TEST(TextCodePoints, ConversionsRoundTripAndReplaceInvalidUnits)
{
    const std::string text = "x\u00E9\u20AC\U0001F600\U0010FFFF";
    EXPECT_EQ(fromUtf16(toUtf16(text)), text);
    EXPECT_EQ(fromUtf32(toUtf32(text)), text);
    EXPECT_EQ(toUtf32(text), U"x\u00E9\u20AC\U0001F600\U0010FFFF");

    EXPECT_EQ(fromUtf16(u"a\xD800"), "a" + kReplacement);               // lone high surrogate
    EXPECT_EQ(fromUtf16(u"\xDC00z"), kReplacement + "z");               // lone low surrogate
    EXPECT_EQ(fromUtf16(u"\xDC00\xD800"), kReplacement + kReplacement); // reversed pair
    EXPECT_EQ(fromUtf32(std::u32string{0xD800, 0x110000, U'b'}), kReplacement + kReplacement + "b");
}

TEST(TextCodePoints, IllFormedUtf8ReadsAsOneReplacementPerMaximalSubpart)
{
    struct Case {
        const char* label;
        std::string bytes;
        std::u32string decoded;
    };
    const Case cases[] = {
        {"truncated two-byte", "\xC3", U"\uFFFD"},
        {"truncated three-byte", "a\xE2\x82", U"a\uFFFD"},
        {"truncated four-byte", "\xF0\x9F\x98", U"\uFFFD"},
        {"truncated then ASCII",
         "\xF0\x9F"
         "b",
         U"\uFFFDb"},
        {"overlong slash", "\xC0\xAF", U"\uFFFD\uFFFD"},
        {"overlong three-byte", "\xE0\x80\xAF", U"\uFFFD\uFFFD\uFFFD"},
        {"overlong four-byte", "\xF0\x80\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"encoded surrogate", "\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"F5", "\xF5\x80", U"\uFFFD\uFFFD"},
        {"FF", "x\xFF", U"x\uFFFD"},
        {"lone continuation", "\x80\xBF", U"\uFFFD\uFFFD"},
        {"mixed", "\x61\xF1\x80\x80\xE1\x80\xC2\x62\x80\x63\x80\xBF\x64", U"a\uFFFD\uFFFD\uFFFDb\uFFFDc\uFFFD\uFFFDd"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const ExactBuffer buffer(c.bytes);
        const std::string_view text = buffer.view();
        EXPECT_FALSE(isValidUtf8(text));
        EXPECT_FALSE(isAscii(text));
        EXPECT_EQ(toUtf32(text), c.decoded);
        EXPECT_EQ(codePointCount(text), c.decoded.size());
        EXPECT_EQ(utf16Length(text), c.decoded.size());
        EXPECT_EQ(toUtf16(text).size(), c.decoded.size());
        // Every piece handed back is well formed.
        const std::string whole = codePointSlice(text, 0);
        EXPECT_TRUE(isValidUtf8(whole));
        EXPECT_EQ(toUtf32(whole), c.decoded);
        for (std::size_t i = 0; i < c.decoded.size(); ++i) {
            EXPECT_EQ(codePointAt(text, i), fromUtf32(c.decoded.substr(i, 1)));
        }
        EXPECT_EQ(codePointAt(text, c.decoded.size()), std::nullopt);
        // The other operations stay inside the buffer and return well-formed text.
        EXPECT_TRUE(isValidUtf8(graphemeSlice(text, 0)));
        EXPECT_TRUE(isValidUtf8(toUpper(text)));
        EXPECT_TRUE(isValidUtf8(toLower(text)));
        EXPECT_TRUE(isValidUtf8(toNFC(text)));
        EXPECT_TRUE(isValidUtf8(trimWhitespace(text)));
        EXPECT_FALSE(allDecimalDigits(text));
        EXPECT_FALSE(allAsciiDigits(text));
        EXPECT_GE(graphemeCount(text), 1u);
    }
}

TEST(TextCodePoints, ValidityOfBoundaryScalars)
{
    for (const char* valid : {"\x7F", "\xC2\x80", "\xDF\xBF", "\xE0\xA0\x80", "\xED\x9F\xBF", "\xEE\x80\x80",
                              "\xEF\xBF\xBF", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"}) {
        SCOPED_TRACE(valid);
        EXPECT_TRUE(isValidUtf8(valid));
        EXPECT_EQ(codePointCount(valid), 1u);
    }
    EXPECT_TRUE(isAscii("plain ASCII text, longer than one machine word"));
    EXPECT_FALSE(isAscii("plain ASCII text, then \u00E9 past the first words"));
}

TEST(TextCodePoints, DecodingAgreesWithIcuOnRandomBytes)
{
    std::mt19937 random(20240611);
    const unsigned char interesting[] = {0x00, 0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0, 0xC1, 0xC2,
                                         0xDF, 0xE0, 0xE1, 0xED, 0xEE, 0xEF, 0xF0, 0xF1, 0xF4, 0xF5, 0xFF};
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(random() % 12, '\0');
        for (char& b : bytes) {
            b = static_cast<char>(interesting[random() % sizeof interesting]);
        }
        const ExactBuffer buffer(bytes);
        const std::u16string ours = toUtf16(buffer.view());

        std::u16string icu(bytes.size() + 1, u'\0');
        int32_t length = 0;
        int32_t substitutions = 0;
        UErrorCode status = U_ZERO_ERROR;
        u_strFromUTF8WithSub(icu.data(), static_cast<int32_t>(icu.size()), &length, bytes.data(),
                             static_cast<int32_t>(bytes.size()), 0xFFFD, &substitutions, &status);
        ASSERT_TRUE(U_SUCCESS(status));
        icu.resize(static_cast<std::size_t>(length));
        ASSERT_EQ(ours, icu) << "round " << round;
        EXPECT_EQ(isValidUtf8(buffer.view()), substitutions == 0);
        EXPECT_EQ(codePointCount(buffer.view()), toUtf32(buffer.view()).size());
        EXPECT_EQ(utf16Length(buffer.view()), ours.size());
    }
}

TEST(TextCodePoints, EmptyViewsWithoutStorage)
{
    const std::string_view none;
    EXPECT_TRUE(isValidUtf8(none));
    EXPECT_TRUE(isAscii(none));
    EXPECT_EQ(codePointCount(none), 0u);
    EXPECT_EQ(graphemeCount(none), 0u);
    EXPECT_EQ(utf16Length(none), 0u);
    EXPECT_EQ(byteOffsetOfCodePoint(none, 0), 0u);
    EXPECT_EQ(byteOffsetOfGrapheme(none, 0), 0u);
    EXPECT_EQ(byteOffsetOfGrapheme(none, 1), std::nullopt);
    EXPECT_EQ(codePointSlice(none, 0), "");
    EXPECT_EQ(graphemeSlice(none, 0), "");
    EXPECT_EQ(graphemeAt(none, 0), std::nullopt);
    EXPECT_EQ(toUpper(none), "");
    EXPECT_EQ(toNFC(none), "");
    EXPECT_EQ(trimWhitespace(none), "");
    EXPECT_EQ(parseInteger(none), std::nullopt);
    EXPECT_EQ(parseDecimal(none), std::nullopt);
}
