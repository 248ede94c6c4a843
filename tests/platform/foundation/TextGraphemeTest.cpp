#include "platform/foundation/Text.h"

#include <gtest/gtest.h>

#include <unicode/ubrk.h>

#include <random>
#include <vector>

using namespace platform::text;

namespace {

// Cluster count straight from ICU over the whole text, for checking the segmented fast paths.
std::size_t icuClusterCount(std::string_view text)
{
    const std::u16string units = toUtf16(text);
    UErrorCode status = U_ZERO_ERROR;
    UBreakIterator* iterator = ubrk_open(UBRK_CHARACTER, "", reinterpret_cast<const UChar*>(units.data()),
                                         static_cast<int32_t>(units.size()), &status);
    EXPECT_TRUE(U_SUCCESS(status));
    std::size_t count = 0;
    ubrk_first(iterator);
    while (ubrk_next(iterator) != UBRK_DONE) {
        ++count;
    }
    ubrk_close(iterator);
    return count;
}

} // namespace

TEST(TextGraphemes, CountsUserPerceivedCharacters)
{
    struct Case {
        const char* label;
        std::string text;
        std::size_t codePoints;
        std::size_t graphemes;
    };
    const Case cases[] = {
        {"empty", "", 0, 0},
        {"precomposed", "Caf\u00E9", 4, 4},
        {"decomposed", "Cafe\u0301", 5, 4},
        {"CR LF", "\r\n", 2, 1},
        {"LF CR", "\n\r", 2, 2},
        {"CR CR LF", "\r\r\n", 3, 2},
        {"lines", "a\r\nb\r\nc", 7, 5},
        {"Thai with tone mark", "\u0E19\u0E49\u0E33", 3, 1},
        {"Khmer", "\u1781\u17D2\u1798\u17C2\u179A", 5, 3},
        {"emoji ZWJ family", "\U0001F469\u200D\U0001F469\u200D\U0001F467", 5, 1},
        {"flags", "\U0001F1EB\U0001F1F7\U0001F1E9\U0001F1EA", 4, 2},
        {"skin tone", "\U0001F44D\U0001F3FD!", 3, 2},
        {"Hangul jamo", "\u1100\u1161\u11A8", 3, 1},
        {"ASCII then mark", "abce\u0301", 5, 4},
        {"CR LF then mark", "x\r\n\u0301", 4, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(codePointCount(c.text), c.codePoints);
        EXPECT_EQ(graphemeCount(c.text), c.graphemes);
        EXPECT_EQ(icuClusterCount(c.text), c.graphemes);
    }
}

TEST(TextGraphemes, IndexingAndSlicing)
{
    const std::string text = "Cafe\u0301 \U0001F1EB\U0001F1F7!\r\n";
    // Clusters: C a f e+U+0301 space flag ! CRLF
    ASSERT_EQ(graphemeCount(text), 8u);
    EXPECT_EQ(byteOffsetOfGrapheme(text, 0), 0u);
    EXPECT_EQ(byteOffsetOfGrapheme(text, 4), 6u);
    EXPECT_EQ(byteOffsetOfGrapheme(text, 5), 7u);
    EXPECT_EQ(byteOffsetOfGrapheme(text, 6), 15u);
    EXPECT_EQ(byteOffsetOfGrapheme(text, 8), text.size());
    EXPECT_EQ(byteOffsetOfGrapheme(text, 9), std::nullopt);

    EXPECT_EQ(graphemeAt(text, 3), "e\u0301");
    EXPECT_EQ(graphemeAt(text, 5), "\U0001F1EB\U0001F1F7");
    EXPECT_EQ(graphemeAt(text, 7), "\r\n");
    EXPECT_EQ(graphemeAt(text, 8), std::nullopt);

    EXPECT_EQ(graphemeSlice(text, 0, 4), "Cafe\u0301");
    EXPECT_EQ(graphemeSlice(text, 3, 3), "e\u0301 \U0001F1EB\U0001F1F7");
    EXPECT_EQ(graphemeSlice(text, 6), "!\r\n");
    EXPECT_EQ(graphemeSlice(text, 8), "");
    EXPECT_EQ(graphemeSlice(text, 20), "");
    EXPECT_EQ(graphemeSlice(text, 2, 0), "");

    // ASCII fast path, including CR LF as one cluster.
    const std::string ascii = "ab\r\ncd";
    EXPECT_EQ(graphemeCount(ascii), 5u);
    EXPECT_EQ(graphemeAt(ascii, 2), "\r\n");
    EXPECT_EQ(byteOffsetOfGrapheme(ascii, 3), 4u);
    EXPECT_EQ(graphemeSlice(ascii, 1, 3), "b\r\nc");
    EXPECT_EQ(graphemeSlice("\r\n", 0, 1), "\r\n");
    EXPECT_EQ(byteOffsetOfGrapheme("", 0), 0u);
    EXPECT_EQ(graphemeAt("", 0), std::nullopt);
}

TEST(TextGraphemes, IllFormedBytesAreReplacementClusters)
{
    const std::string text = "e\xCC"
                             "a\xFF\xFE";
    EXPECT_EQ(graphemeCount(text), 5u);
    EXPECT_EQ(graphemeAt(text, 1), "\xEF\xBF\xBD");
    EXPECT_EQ(byteOffsetOfGrapheme(text, 2), 2u);
    EXPECT_EQ(byteOffsetOfGrapheme(text, 4), 4u);
    EXPECT_EQ(graphemeSlice(text, 2), "a\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(TextGraphemes, MixedTextAgreesWithIcuOnWholeText)
{
    // Random mixes of ASCII (with CR/LF) and characters that join with their neighbours.
    const std::vector<std::string> pieces = {
        "a",      "Z",          "1",          " ",          "\r",     "\n",     "#",      "\u0301", "\u0E49", "\u0E33",
        "\u200D", "\U0001F469", "\U0001F1EB", "\U0001F3FD", "\u1100", "\u1161", "\u17D2", "\u00E9", "\xFF"};
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 10);
        for (int i = 0; i < length; ++i) {
            text += pieces[random() % pieces.size()];
        }
        const std::size_t expected = icuClusterCount(text);
        ASSERT_EQ(graphemeCount(text), expected) << "round " << round;
        // Slicing cluster by cluster rebuilds the (well-formed) text.
        std::string rebuilt;
        for (std::size_t i = 0; i < expected; ++i) {
            rebuilt += graphemeAt(text, i).value_or("<missing>");
        }
        ASSERT_EQ(rebuilt, codePointSlice(text, 0)) << "round " << round;
    }
}
