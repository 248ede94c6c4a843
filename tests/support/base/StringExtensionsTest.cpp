#include "TavroMerchantSDK/support/base/StringExtensions.h"

#include "platform/foundation/DebugLog.h"

#include <gtest/gtest.h>

using namespace tavro;

namespace {
const std::string kDecomposedCafe = "Cafe\xCC\x81";           // "Cafe" + U+0301
const std::string kFlag = "\xF0\x9F\x87\xAE\xF0\x9F\x87\xB3"; // regional indicators I N
} // namespace

TEST(StringExtensions, LengthInRangeHasInclusiveBoundsInEitherUnit)
{
    EXPECT_TRUE(isLengthInRange("", 0, 5));
    EXPECT_FALSE(isLengthInRange("", 1, 5));
    EXPECT_FALSE(isLengthInRange("abc", 1, 2));
    EXPECT_TRUE(isLengthInRange("abc", 3, 3));
    EXPECT_FALSE(isLengthInRange("abc", 4, 2)); // bounds are not reordered

    // User-perceived characters versus scalar values.
    EXPECT_TRUE(isLengthInRange(kFlag, 1, 1));
    EXPECT_TRUE(isLengthInRange(kFlag, 2, 2, TextUnit::codePoints));
    EXPECT_TRUE(isLengthInRange(kDecomposedCafe, 4, 4));
    EXPECT_FALSE(isLengthInRange(kDecomposedCafe, 4, 4, TextUnit::codePoints));
    EXPECT_EQ(lengthOf(kDecomposedCafe, TextUnit::codePoints), 5u);
    EXPECT_EQ(lengthOf("\r\n"), 1u);
    EXPECT_EQ(lengthOf("\r\n", TextUnit::codePoints), 2u);
}

TEST(StringExtensions, SubscriptReturnsOneUnitOrNothing)
{
    EXPECT_EQ(subscript("ab", 1), "b");
    EXPECT_EQ(subscript("a", 1), std::nullopt);
    EXPECT_EQ(subscript("", 0), std::nullopt);
    EXPECT_EQ(subscript("ab", -1), std::nullopt);
    EXPECT_EQ(subscript("?" + kFlag, 1), kFlag);
    EXPECT_EQ(subscript("?" + kFlag, 1, TextUnit::codePoints), "\xF0\x9F\x87\xAE");
    EXPECT_EQ(subscript(kDecomposedCafe, 3), "e\xCC\x81");
    EXPECT_EQ(subscript(kDecomposedCafe, 4, TextUnit::codePoints), "\xCC\x81");
}

TEST(StringExtensions, RegexIsAContainsTestAndBadPatternsLogOnce)
{
    const std::string pattern = "^[1-9a-qA-Q]";
    EXPECT_TRUE(isMatchingRegex(pattern, "5"));
    EXPECT_TRUE(isMatchingRegex(pattern, "q"));
    EXPECT_FALSE(isMatchingRegex(pattern, "r"));
    EXPECT_FALSE(isMatchingRegex(pattern, "0"));
    EXPECT_TRUE(isMatchingRegex("b", "abc")); // anywhere, not whole-text
    EXPECT_FALSE(isMatchingRegex(pattern, ""));

    platform::DebugLogCapture capture;
    EXPECT_FALSE(isMatchingRegex("[1-9", "5"));
    EXPECT_EQ(capture.lines().size(), 1u);
}

TEST(StringExtensions, EqualityIgnoresCaseButDoesNotFold)
{
    EXPECT_TRUE(isEqualTo("Fee", "FEE"));
    EXPECT_TRUE(isEqualTo("01", "01"));
    EXPECT_FALSE(isEqualTo("01", "02"));
    EXPECT_FALSE(isEqualTo("stra\xC3\x9F"
                           "e",
                           "STRASSE"));
    EXPECT_TRUE(isEqualTo("CAF\xC3\x89", kDecomposedCafe)); // canonical equivalence
}

TEST(StringExtensions, CreditCardFormatGroupsByFourCharacters)
{
    EXPECT_EQ(creditCardFormat(""), "");
    EXPECT_EQ(creditCardFormat("1234"), "1234");
    EXPECT_EQ(creditCardFormat("12345"), "1234 5");
    EXPECT_EQ(creditCardFormat("1234567890"), "1234 5678 90");
    EXPECT_EQ(creditCardFormat("4111111111111111"), "4111 1111 1111 1111");
    EXPECT_EQ(creditCardFormat("12 4x"), "12 4 x");
    EXPECT_EQ(creditCardFormat(kDecomposedCafe + "x"), kDecomposedCafe + " x");
}

TEST(StringExtensions, SpacingCoversTheWholeTextInUtf16Units)
{
    const std::string text = "Pay \xF0\x9F\x98\x80"; // an emoji outside the basic plane
    const auto spaced = attributedStringWithSpacing(text, 2);
    EXPECT_EQ(spaced.string(), text);
    ASSERT_EQ(spaced.length(), 6u);
    const auto runs = spaced.runs();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].range.location, 0u);
    EXPECT_EQ(runs[0].range.length, 6u);
    EXPECT_EQ(runs[0].attributes.at(platform::NSAttributedStringKey::kern).asInteger(), 2);

    platform::DebugLogCapture capture;
    EXPECT_EQ(attributedStringWithSpacing("", 1).length(), 0u);
    EXPECT_TRUE(capture.lines().empty());
}
