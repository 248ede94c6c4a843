#include "platform/foundation/Regex.h"

#include <gtest/gtest.h>

using platform::Regex;

TEST(Regex, WholeMatchVersusSearch)
{
    const auto digits = Regex::compile("[0-9]+");
    ASSERT_TRUE(digits);
    EXPECT_TRUE(digits->matchesEntirely("12345"));
    EXPECT_FALSE(digits->matchesEntirely("12a45"));
    EXPECT_FALSE(digits->matchesEntirely(""));
    EXPECT_TRUE(digits->findsMatch("ab12"));
    EXPECT_FALSE(digits->findsMatch("abc"));
}

TEST(Regex, Anchors)
{
    const auto prefix = Regex::compile("^00");
    ASSERT_TRUE(prefix);
    EXPECT_TRUE(prefix->findsMatch("000201"));
    EXPECT_FALSE(prefix->findsMatch("1000"));

    const auto suffix = Regex::compile("ab$");
    ASSERT_TRUE(suffix);
    EXPECT_TRUE(suffix->findsMatch("xxab"));
    EXPECT_FALSE(suffix->findsMatch("abxx"));

    // "$" without multiline mode does not match before an inner line break.
    const auto line = Regex::compile("^a$");
    ASSERT_TRUE(line);
    EXPECT_FALSE(line->findsMatch("a\nb"));
    EXPECT_TRUE(line->matchesEntirely("a"));
}

TEST(Regex, UnicodeAwareness)
{
    const auto letters = Regex::compile("\\p{L}+");
    ASSERT_TRUE(letters);
    EXPECT_TRUE(letters->matchesEntirely("Caf\u00E9\u0E19\u4E2D"));
    EXPECT_FALSE(letters->matchesEntirely("Cafe\u0301")); // the mark is not a letter

    const auto oneCharacter = Regex::compile("^.$");
    ASSERT_TRUE(oneCharacter);
    EXPECT_TRUE(oneCharacter->findsMatch("\U0001F600")); // one code point, not two units

    const auto cluster = Regex::compile("\\X");
    ASSERT_TRUE(cluster);
    EXPECT_TRUE(cluster->matchesEntirely("e\u0301"));

    const auto digits = Regex::compile("\\d+");
    ASSERT_TRUE(digits);
    EXPECT_TRUE(digits->matchesEntirely("\u0661\u0662"));
}

TEST(Regex, CaseInsensitivity)
{
    const auto sensitive = Regex::compile("caf\u00E9");
    const auto insensitive = Regex::compile("caf\u00E9", true);
    ASSERT_TRUE(sensitive && insensitive);
    EXPECT_FALSE(sensitive->matchesEntirely("CAF\u00C9"));
    EXPECT_TRUE(insensitive->matchesEntirely("CAF\u00C9"));
}

TEST(Regex, InvalidPatternsAndInput)
{
    EXPECT_FALSE(Regex::compile("("));
    EXPECT_FALSE(Regex::compile("[a-"));
    EXPECT_FALSE(Regex::compile("a{2,1}"));
    EXPECT_FALSE(Regex::compile("\\"));

    // Ill-formed input reads as U+FFFD.
    const auto replacement = Regex::compile("a\\x{FFFD}b");
    ASSERT_TRUE(replacement);
    EXPECT_TRUE(replacement->matchesEntirely("a\xFF"
                                             "b"));
}

TEST(Regex, CopiesAndMovesShareTheCompiledPattern)
{
    auto original = Regex::compile("x+");
    ASSERT_TRUE(original);
    Regex copy = *original;
    Regex assigned = *Regex::compile("y");
    assigned = copy;
    Regex moved = std::move(*original);
    EXPECT_TRUE(copy.matchesEntirely("xxx"));
    EXPECT_TRUE(assigned.matchesEntirely("x"));
    EXPECT_TRUE(moved.matchesEntirely("xx"));
    // A moved-from pattern matches nothing rather than crashing.
    EXPECT_FALSE(original->matchesEntirely("x")); // NOLINT(bugprone-use-after-move)
    EXPECT_FALSE(original->findsMatch("x"));      // NOLINT(bugprone-use-after-move)
}
