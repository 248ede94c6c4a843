#include "platform/foundation/Text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace platform::text;

TEST(TextUnicode, CharacterClasses)
{
    EXPECT_TRUE(isDecimalDigit(U'7'));
    EXPECT_TRUE(isDecimalDigit(U'\u0663'));  // Arabic-Indic three
    EXPECT_TRUE(isDecimalDigit(U'\u0E52'));  // Thai two
    EXPECT_FALSE(isDecimalDigit(U'\u00B2')); // superscript two is No, not Nd
    EXPECT_FALSE(isDecimalDigit(U'\u2167')); // Roman numeral is Nl
    EXPECT_FALSE(isDecimalDigit(U'a'));

    EXPECT_TRUE(isAsciiDigit(U'0'));
    EXPECT_FALSE(isAsciiDigit(U'\u0663'));

    EXPECT_TRUE(isLetter(U'a'));
    EXPECT_TRUE(isLetter(U'\u00E9'));
    EXPECT_TRUE(isLetter(U'\u0E19'));
    EXPECT_TRUE(isLetter(U'\u4E2D'));
    EXPECT_FALSE(isLetter(U'\u0301'));
    EXPECT_FALSE(isLetter(U'1'));

    EXPECT_TRUE(isMark(U'\u0301')); // Mn
    EXPECT_TRUE(isMark(U'\u17C2')); // Mc
    EXPECT_TRUE(isMark(U'\u20DD')); // Me
    EXPECT_FALSE(isMark(U'e'));
    EXPECT_TRUE(isLetterOrMark(U'\u0301'));
    EXPECT_TRUE(isLetterOrMark(U'x'));
    EXPECT_FALSE(isLetterOrMark(U'-'));

    EXPECT_TRUE(isWhitespace(U' '));
    EXPECT_TRUE(isWhitespace(U'\t'));
    EXPECT_TRUE(isWhitespace(U'\u00A0'));
    EXPECT_TRUE(isWhitespace(U'\u3000'));
    EXPECT_FALSE(isWhitespace(U'\u200B')); // zero width space is not White_Space
    EXPECT_FALSE(isWhitespace(U'x'));

    for (char32_t outside : {char32_t(0x110000), char32_t(0xFFFFFFFF)}) {
        EXPECT_FALSE(isDecimalDigit(outside));
        EXPECT_FALSE(isLetter(outside));
        EXPECT_FALSE(isMark(outside));
        EXPECT_FALSE(isWhitespace(outside));
    }
}

TEST(TextUnicode, WholeTextDigitTests)
{
    EXPECT_TRUE(allDecimalDigits(""));
    EXPECT_TRUE(allDecimalDigits("0123456789"));
    EXPECT_TRUE(allDecimalDigits("\u0661\u0662\u0663"));
    EXPECT_FALSE(allDecimalDigits("12a"));
    EXPECT_FALSE(allDecimalDigits("1.5"));
    EXPECT_TRUE(allAsciiDigits(""));
    EXPECT_TRUE(allAsciiDigits("0042"));
    EXPECT_FALSE(allAsciiDigits("\u0661"));
    EXPECT_FALSE(allAsciiDigits("-1"));
}

// The byte scan must find each kind wherever its bytes sit (in a pair of words, in the tail, across
// a word's end), take no neighbouring or ill-formed sequence for either, and go on past the first
// kind it finds.
TEST(TextUnicode, ControlAndSupplementaryCharactersFoundAtEveryPosition)
{
    const std::pair<std::vector<const char*>, ControlAndSupplementary> kinds[] = {
        {{"\x1F", "\x7F", "\xC2\x80", "\xC2\x9F"}, {true, false}}, // C0, DEL, the first and last C1 controls
        {{"\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"}, {false, true}}, // U+10000, U+10FFFF
        // Just past the controls, C2 alone or before "a", U+FFFF; truncated, overlong, past U+10FFFF.
        {{"\xC2\xA0", "\xC2", "\xEF\xBF\xBF", "\xF0\x9F\x98", "\xF0\x80\x80\x80", "\xF4\x90\x80\x80"}, {false, false}},
    };
    for (const auto& [marks, kind] : kinds) {
        for (const char* mark : marks) {
            for (std::size_t size = 0; size <= 24; ++size) {
                for (std::size_t at = 0; at <= size; ++at) {
                    std::string text(size, 'a');
                    text.insert(at, mark);
                    const auto found = findControlAndSupplementary(text);
                    ASSERT_EQ(found.control, kind.control) << testing::PrintToString(text);
                    ASSERT_EQ(found.supplementary, kind.supplementary) << testing::PrintToString(text);
                    for (const std::string& withControl : {"\n" + text, text + "\n"}) {
                        const auto both = findControlAndSupplementary(withControl);
                        ASSERT_TRUE(both.control) << testing::PrintToString(withControl);
                        ASSERT_EQ(both.supplementary, kind.supplementary) << testing::PrintToString(withControl);
                    }
                }
            }
        }
    }
}

TEST(TextUnicode, CaseMappingIsLocaleIndependent)
{
    EXPECT_EQ(toUpper("merchant 42"), "MERCHANT 42");
    EXPECT_EQ(toLower("MERCHANT 42"), "merchant 42");
    EXPECT_EQ(toUpper("caf\u00E9"), "CAF\u00C9");
    EXPECT_EQ(toLower("CAF\u00C9"), "caf\u00E9");
    EXPECT_EQ(toUpper("stra\u00DFe"), "STRASSE"); // full case mapping
    EXPECT_EQ(toUpper("i"), "I");                 // no Turkish dotted capital
    EXPECT_EQ(toLower("I"), "i");
    EXPECT_EQ(toLower("\u0130"), "i\u0307"); // root-locale lowercase of dotted capital I
    EXPECT_EQ(toUpper(""), "");
}

TEST(TextUnicode, NormalisationAndCanonicalEquality)
{
    EXPECT_EQ(toNFC("Cafe\u0301"), "Caf\u00E9");
    EXPECT_EQ(toNFC("Caf\u00E9"), "Caf\u00E9");
    EXPECT_EQ(toNFC("plain"), "plain");
    EXPECT_EQ(toNFC("\u212B"), "\u00C5"); // Angstrom sign
    EXPECT_TRUE(canonicallyEqual("Caf\u00E9", "Cafe\u0301"));
    EXPECT_TRUE(canonicallyEqual("", ""));
    EXPECT_TRUE(canonicallyEqual("q\u0323\u0307", "q\u0307\u0323")); // marks reorder
    EXPECT_FALSE(canonicallyEqual("Cafe", "Caf\u00E9"));
    EXPECT_FALSE(canonicallyEqual("\uFB01", "fi")); // compatibility, not canonical
    // Ill-formed bytes compare as U+FFFD.
    EXPECT_TRUE(canonicallyEqual("a\xFF", "a\xEF\xBF\xBD"));
}

TEST(TextUnicode, TrimWhitespace)
{
    EXPECT_EQ(trimWhitespace("  hello world \t\r\n"), "hello world");
    EXPECT_EQ(trimWhitespace("\u00A0\u3000x\u2003"), "x");
    EXPECT_EQ(trimWhitespace(" \n "), "");
    EXPECT_EQ(trimWhitespace(""), "");
    EXPECT_EQ(trimWhitespace("\u200Bx"), "\u200Bx");
    EXPECT_EQ(trimWhitespace(" a b "), "a b");
}
