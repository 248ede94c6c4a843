#include "platform/foundation/DebugLog.h"
#include "platform/foundation/NSAttributedString.h"
#include "platform/foundation/NSMutableAttributedString.h"

#include <gtest/gtest.h>

using platform::AttributeValue;
using platform::NSAttributedString;
using platform::NSMutableAttributedString;
using platform::NSRange;
using platform::NSUnderlineStyle;
using platform::TextAttributes;
using Key = platform::NSAttributedStringKey;

namespace {

// Opaque font and colour handles: fonts and colours live in a higher layer, so stand-ins point
// at plain objects and are told apart by identity.
template <class Handle>
std::shared_ptr<const Handle> handle()
{
    auto storage = std::make_shared<int>(0);
    return std::shared_ptr<const Handle>(storage, reinterpret_cast<const Handle*>(storage.get()));
}

// "text|attribute-summary" per run, for compact expectations.
std::vector<std::pair<NSRange, std::size_t>> runShape(const NSAttributedString& text)
{
    std::vector<std::pair<NSRange, std::size_t>> shape;
    for (const auto& run : text.runs())
        shape.push_back({run.range, run.attributes.size()});
    return shape;
}

} // namespace

TEST(AttributedString, RangesCountUtf16Units)
{
    // "A" + U+1F600 (two units) + "é" (one unit) + "€".
    NSMutableAttributedString text("A\U0001F600\u00E9\u20AC");
    EXPECT_EQ(text.length(), 5u);
    EXPECT_EQ(text.string(), "A\U0001F600\u00E9\u20AC");

    text.addAttribute(Key::kern, 2, NSRange{0, text.length()});
    NSRange effective;
    EXPECT_EQ(text.attribute(Key::kern, 4, &effective), AttributeValue(2));
    EXPECT_EQ(effective, (NSRange{0, 5}));

    auto emoji = text.attributedSubstring(NSRange{1, 2});
    EXPECT_EQ(emoji.string(), "\U0001F600");
    EXPECT_EQ(emoji.attribute(Key::kern, 0), AttributeValue(2));

    // Half a surrogate pair reads as U+FFFD rather than as broken UTF-8.
    EXPECT_EQ(text.attributedSubstring(NSRange{1, 1}).string(), "\uFFFD");
    EXPECT_TRUE(NSAttributedString("").runs().empty());
}

TEST(AttributedString, AttributesSplitAndMergeRuns)
{
    auto font = handle<platform::UIFont>();
    auto bold = handle<platform::UIFont>();
    auto red = handle<platform::UIColor>();

    NSMutableAttributedString text("INR 1,234.50", {{Key::font, font}});
    text.addAttribute(Key::foregroundColor, red, NSRange{4, 8});
    text.addAttribute(Key::font, bold, NSRange{4, 8});
    ASSERT_EQ(text.runs().size(), 2u);
    EXPECT_EQ(text.attribute(Key::font, 0)->asFont(), font);
    EXPECT_EQ(text.attribute(Key::font, 11)->asFont(), bold);
    EXPECT_EQ(text.attribute(Key::foregroundColor, 5)->asColor(), red);
    EXPECT_FALSE(text.attribute(Key::foregroundColor, 3));

    NSRange effective;
    auto attributes = text.attributes(6, &effective);
    EXPECT_EQ(effective, (NSRange{4, 8}));
    EXPECT_EQ(attributes.size(), 2u);

    // Underline over a middle stretch makes three runs; removing it merges them again.
    text.addAttribute(Key::underlineStyle, NSUnderlineStyle::single, NSRange{2, 4});
    EXPECT_EQ(runShape(text),
              (std::vector<std::pair<NSRange, std::size_t>>{{{0, 2}, 1}, {{2, 2}, 2}, {{4, 2}, 3}, {{6, 6}, 2}}));
    EXPECT_EQ(text.attribute(Key::underlineStyle, 3)->asInteger(), 1);
    NSRange underline;
    text.attribute(Key::underlineStyle, 0, &underline); // absent over 0..2
    EXPECT_EQ(underline, (NSRange{0, 2}));
    text.removeAttribute(Key::underlineStyle, NSRange{0, text.length()});
    EXPECT_EQ(text.runs().size(), 2u);

    // The effective range of one attribute spans runs that differ only in others.
    text.addAttribute(Key::kern, 1.5, NSRange{0, text.length()});
    text.addAttribute(Key::kern, 3, NSRange{10, 2});
    text.attribute(Key::kern, 2, &effective);
    EXPECT_EQ(effective, (NSRange{0, 10}));
    EXPECT_EQ(text.attribute(Key::kern, 0)->asNumber(), 1.5);
    EXPECT_FALSE(text.attribute(Key::kern, 0)->asInteger());

    text.setAttributes({}, NSRange{0, text.length()});
    EXPECT_EQ(runShape(text), (std::vector<std::pair<NSRange, std::size_t>>{{{0, 12}, 0}}));
}

TEST(AttributedString, EditingKeepsAttributesWithTheirCharacters)
{
    NSMutableAttributedString text("Pay", {{Key::kern, 1}});
    text.append(NSAttributedString(" INR", {{Key::kern, 2}}));
    EXPECT_EQ(text.string(), "Pay INR");

    // Inserted plain text takes the attributes of the first replaced character, or of the one
    // before an insertion point.
    text.replaceCharacters(NSRange{4, 3}, "USD");
    EXPECT_EQ(text.string(), "Pay USD");
    EXPECT_EQ(text.attribute(Key::kern, 5), AttributeValue(2));
    text.replaceCharacters(NSRange{3, 0}, "!");
    EXPECT_EQ(text.string(), "Pay! USD");
    EXPECT_EQ(text.attribute(Key::kern, 3), AttributeValue(1));
    text.replaceCharacters(NSRange{0, 0}, ">");
    EXPECT_EQ(text.attribute(Key::kern, 0), AttributeValue(1));

    text.deleteCharacters(NSRange{0, 5});
    EXPECT_EQ(text.string(), " USD");
    EXPECT_EQ(text.runs().size(), 1u);

    // Appending a string to itself reads the original before changing.
    text.append(text);
    EXPECT_EQ(text.string(), " USD USD");
    text.insert(NSAttributedString("x"), 4);
    EXPECT_EQ(text.string(), " USDx USD");
    EXPECT_FALSE(text.attribute(Key::kern, 4));

    text.setAttributedString(NSAttributedString("new"));
    EXPECT_EQ(text, NSAttributedString("new"));
    text.deleteCharacters(NSRange{0, 3});
    EXPECT_EQ(text.length(), 0u);
    EXPECT_TRUE(text.runs().empty());
}

TEST(AttributedString, OutOfRangeEditsAreRefusedAndLogged)
{
    NSMutableAttributedString text("abc", {{Key::kern, 1}});
    const NSMutableAttributedString before = text;
    platform::DebugLogCapture log;

    text.addAttribute(Key::kern, 2, NSRange{2, 2});
    text.setAttributes({}, NSRange{4, 0});
    text.removeAttribute(Key::kern, NSRange{1, SIZE_MAX}); // end would overflow
    text.replaceCharacters(NSRange{3, 1}, "x");
    text.deleteCharacters(NSRange{SIZE_MAX, 2});
    EXPECT_FALSE(text.attribute(Key::kern, 3));
    EXPECT_TRUE(text.attributes(7).empty());
    EXPECT_EQ(text.attributedSubstring(NSRange{2, 5}).length(), 0u);

    EXPECT_EQ(log.lines().size(), 8u);
    EXPECT_EQ(text, before);

    // Edge ranges are valid: an empty range at the end and the whole text.
    text.addAttribute(Key::kern, 5, NSRange{3, 0});
    text.addAttribute(Key::kern, 5, NSRange{0, 3});
    EXPECT_EQ(log.lines().size(), 8u);
    EXPECT_EQ(text.attribute(Key::kern, 2), AttributeValue(5));
}

TEST(AttributedString, EnumeratesStretchesOfOneAttribute)
{
    NSMutableAttributedString text("aaabbbccc");
    text.addAttribute(Key::kern, 1, NSRange{0, 6});
    text.addAttribute(Key::underlineStyle, 1, NSRange{3, 3}); // splits the kern stretch into runs

    std::vector<std::pair<std::optional<AttributeValue>, NSRange>> seen;
    text.enumerateAttribute(Key::kern, NSRange{1, 7}, [&](const std::optional<AttributeValue>& value, NSRange range) {
        seen.push_back({value, range});
    });
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].first, AttributeValue(1));
    EXPECT_EQ(seen[0].second, (NSRange{1, 5}));
    EXPECT_FALSE(seen[1].first);
    EXPECT_EQ(seen[1].second, (NSRange{6, 2}));

    std::vector<NSRange> runs;
    text.enumerateAttributes(NSRange{2, 5}, [&](const TextAttributes&, NSRange range) { runs.push_back(range); });
    EXPECT_EQ(runs, (std::vector<NSRange>{{2, 1}, {3, 3}, {6, 1}}));
}

