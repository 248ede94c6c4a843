// Text at the layout's limits. Very long text: a label limited in lines shows what the whole text
// would show, a word longer than a line breaks between clusters, a line without wrapping measures at
// most 100,000 points, a cluster is laid out with at most 32 code points, and a text of more lines
// than Pango's int heights hold measures all of them. Control characters and ill-formed text lay out
// and draw as U+FFFD, the text after a NUL included, with no warning from the text layout.
#include "platform/foundation/NSMutableAttributedString.h"
#include "platform/foundation/Text.h"
#include "platform/graphics/ImageContext.h"
#include "platform/graphics/LabelText.h"
#include "platform/render/RenderTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

using namespace platform;

namespace {

// `piece` repeated up to at least `units` UTF-16 units.
std::string repeated(const std::string& piece, std::size_t units)
{
    std::string text;
    for (std::size_t length = 0; length < units; length += text::utf16Length(piece)) {
        text += piece;
    }
    return text;
}

UIImagePtr drawn(const NSAttributedString& text, const LabelTextStyle& style, CGSize size)
{
    UIGraphicsBeginImageContextWithOptions(size, false, 1);
    drawLabelText(*UIGraphicsGetCurrentContext(), text, {0, 0, size.width, size.height}, style);
    auto image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image;
}

LabelTextStyle styleOf(int lines, NSLineBreakMode mode)
{
    LabelTextStyle style;
    style.font = UIFont::systemFont(13);
    style.maximumLines = lines;
    style.lineBreakMode = mode;
    return style;
}

} // namespace

TEST(LongTextLayout, ALimitedLabelShowsWhatTheWholeTextWould)
{
    using Mode = NSLineBreakMode;
    const struct {
        int lines;
        Mode mode;
        CGSize size;
    } labels[] = {{2, Mode::byTruncatingTail, {238, 60}},    {0, Mode::byWordWrapping, {238, 100}},
                  {0, Mode::byTruncatingTail, {238, 100}},   {2, Mode::byCharWrapping, {238, 60}},
                  {1, Mode::byTruncatingTail, {200, 20}},    {1, Mode::byTruncatingHead, {200, 20}},
                  {1, Mode::byTruncatingMiddle, {200, 20}},  {1, Mode::byClipping, {200, 20}}};
    for (const auto& label : labels) {
        const LabelTextStyle style = styleOf(label.lines, label.mode);
        const bool oneLine = label.lines == 1;
        for (const std::string piece : {"RaviKumarSa", "Ravi Kumar ", "ร้านกาแฟสุขุมวิท"}) {
            SCOPED_TRACE(piece + " in " + std::to_string(label.lines) + " lines, mode " +
                         std::to_string(static_cast<int>(label.mode)));
            // More than the label shows but laid out whole, and the same with 100 KB more where it
            // does not show (before it when the line shows its end, between the ends for the middle).
            const std::string shown = repeated(piece, oneLine ? 150 : 600);
            const std::string more = repeated(piece, 100'000);
            const bool end = oneLine && label.mode == Mode::byTruncatingHead;
            const bool both = oneLine && label.mode == Mode::byTruncatingMiddle;
            const NSAttributedString reference(both ? shown + shown : shown);
            const NSAttributedString longer(end ? more + shown : both ? shown + more + shown : shown + more);
            const auto image = drawn(longer, style, label.size);
            const auto expected = drawn(reference, style, label.size);
            ASSERT_TRUE(image && expected);
            EXPECT_TRUE(image->pngData() == expected->pngData());
            if (oneLine) {
                // Too long for the label, the line reaches its end, truncated or clipped.
                const CGRect end(label.size.width - 16, 0, 16, label.size.height);
                EXPECT_GT(render_test::countPixels(*image, end, [](RGBA8 p) { return p.a != 0; }), 0);
                continue;
            }
            // Full lines, as many as the label holds.
            const CGSize size = measureLabelText(longer, style, label.size.width, label.size.height);
            const CGSize one = measureLabelText(NSAttributedString(piece), style, 0);
            const double lines = label.lines > 0 ? label.lines : std::floor((label.size.height + 0.5) / one.height);
            EXPECT_NEAR(size.height, lines * one.height, 0.01);
            EXPECT_GT(size.width, label.size.width - one.width);
        }
    }
}

TEST(LongTextLayout, AWordLongerThanALineBreaksBetweenClustersWithoutAHyphen)
{
    const LabelTextStyle style = styleOf(0, NSLineBreakMode::byWordWrapping);
    constexpr CGFloat width = 238;
    for (const std::string cluster : {"a", "e\u0301"}) {
        const CGSize one = measureLabelText(NSAttributedString(cluster), style, 0);
        const double perLine = std::floor(width / one.width);
        for (std::size_t count : {300, 3'000}) {
            SCOPED_TRACE(cluster + " x " + std::to_string(count));
            const std::string word = repeated(cluster, text::utf16Length(cluster) * count);
            // Every line full, none with room kept for a hyphen.
            const CGSize wrapped = measureLabelText(NSAttributedString(word), style, width);
            EXPECT_NEAR(wrapped.width, perLine * one.width, 0.01);
            EXPECT_NEAR(wrapped.height, std::ceil(count / perLine) * one.height, 0.01);
            // After a short word, it starts on a line of its own.
            const CGSize after = measureLabelText(NSAttributedString("Dear " + word), style, width);
            EXPECT_NEAR(after.height, wrapped.height + one.height, 0.01);
        }
    }
}

TEST(LongTextLayout, AnUnwrappedLineMeasuresAtMostOneHundredThousandPoints)
{
    // {piece, times, text around it, line limit, lines kept}
    const std::tuple<std::string, std::size_t, std::string, int, int> cases[] = {
        {"W", 200'000, "", 0, 1},   {"Ravi Kumar ", 200'000, "", 0, 1},
        {"W", 200'000, "\n", 0, 3}, {"W", 200'000, "\n", 2, 2},
        {"a\t", 100'000, "", 1, 1}, {"W", 8'000, "", 0, 1},
        {"W", 5'000, "", 0, 1},     {"W", 5'000, "\n", 0, 3}};
    for (const auto& [piece, times, around, lines, kept] : cases) {
        SCOPED_TRACE(piece + " x " + std::to_string(times) + ", lines " + std::to_string(lines));
        const LabelTextStyle style = styleOf(lines, NSLineBreakMode::byTruncatingTail);
        const CGSize one = measureLabelText(NSAttributedString(piece), style, 0);
        const std::string line = repeated(piece, times * piece.size());
        const CGSize size = measureLabelText(NSAttributedString(around + line + around), style, 0);
        EXPECT_NEAR(size.width, std::min(100'000.0, times * one.width), 1);
        EXPECT_NEAR(size.height, kept * one.height, 0.01);
    }
}

TEST(LongTextLayout, AClusterOfMoreThan32CodePointsIsLaidOutWithItsFirst32)
{
    const LabelTextStyle style = styleOf(0, NSLineBreakMode::byWordWrapping);
    auto withRedEnd = [](const std::string& text) {
        NSMutableAttributedString styled(text + " RED");
        styled.addAttribute(NSAttributedStringKey::foregroundColor, UIColor::red(), {styled.length() - 3, 3});
        return NSAttributedString(styled);
    };
    for (const std::string base : {"a", "\u0915"}) {
        const std::string mark = base == "a" ? "\u0301" : "\u093E";
        const std::string first32 = "x" + base + repeated(mark, 31);
        for (std::size_t marks : {40, 5'000}) {
            SCOPED_TRACE(base + " with " + std::to_string(marks) + " marks");
            const std::string longer = "x" + base + repeated(mark, marks);
            EXPECT_EQ(measureLabelText(withRedEnd(longer), style, 0), measureLabelText(withRedEnd(first32), style, 0));
            const auto image = drawn(withRedEnd(longer), style, {238, 60}),
                       expected = drawn(withRedEnd(first32), style, {238, 60});
            ASSERT_TRUE(image && expected);
            EXPECT_TRUE(image->pngData() == expected->pngData());
        }
    }
}

TEST(LongTextLayout, AnUnlimitedWrappedTextOfManyLinesMeasuresAllOfThem)
{
    // At 100 points Pango's int heights end near 18,000 lines.
    LabelTextStyle style = styleOf(0, NSLineBreakMode::byWordWrapping);
    style.font = UIFont::systemFont(100);
    for (const std::string line : {"A\n", "A\r\n"}) {
        SCOPED_TRACE(line.size());
        const CGSize one = measureLabelText(NSAttributedString("A"), style, 238);
        const CGSize size =
            measureLabelText(NSAttributedString(repeated(line, 20'000 * line.size()) + "A"), style, 238);
        EXPECT_NEAR(size.height, 20'001 * one.height, 0.01);
        EXPECT_NEAR(size.width, one.width, 0.01);
    }
}

TEST(ControlCharacterText, ControlCharactersLayOutAsReplacementsWithoutWarnings)
{
    const LabelTextStyle style = styleOf(0, NSLineBreakMode::byWordWrapping);
    // {what the text holds, what it shows}
    const std::pair<std::string, std::string> cases[] = {
        {{"\0", 1}, "\uFFFD"}, {"\x01", "\uFFFD"}, {"\x7F", "\uFFFD"},
        {"\u0085", "\uFFFD"},  {"\r\n", "\n"},     {"\xFF", "\uFFFD"},
    };
    // Longer than a short text, so the wrapped layout looks for long runs too.
    auto around = [](const std::string& middle) {
        std::string text;
        for (int times = 0; times < 40; ++times)
            text += "Ravi" + middle + "Kumar ";
        return NSAttributedString(text);
    };
    for (const auto& [held, shown] : cases) {
        SCOPED_TRACE(testing::PrintToString(held));
        const NSAttributedString text = around(held), expected = around(shown);
        testing::internal::CaptureStderr();
        for (const CGFloat width : {238, 0})
            EXPECT_EQ(measureLabelText(text, style, width), measureLabelText(expected, style, width)) << width;
        const auto image = drawn(text, style, {238, 200}), expectedImage = drawn(expected, style, {238, 200});
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        ASSERT_TRUE(image && expectedImage);
        EXPECT_TRUE(image->pngData() == expectedImage->pngData());
    }
}
