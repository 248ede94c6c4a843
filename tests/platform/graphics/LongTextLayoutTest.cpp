// Very long text in labels whose lines are limited: only what can show is laid out, and what shows
// is what the whole text would show; a word longer than a line breaks between clusters.
#include "platform/foundation/NSMutableAttributedString.h"
#include "platform/foundation/Text.h"
#include "platform/graphics/ImageContext.h"
#include "platform/graphics/LabelText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

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

// The text with its first word in a larger bold face, so the lines differ in height.
NSAttributedString withLargeFirstWord(const std::string& text)
{
    NSMutableAttributedString styled(text);
    styled.addAttribute(NSAttributedStringKey::font, AttributeValue(UIFont::boldSystemFont(22)), {0, 4});
    return NSAttributedString(styled);
}

UIImagePtr drawn(const NSAttributedString& text, const LabelTextStyle& style, CGSize size)
{
    UIGraphicsBeginImageContextWithOptions(size, false, 1);
    drawLabelText(*UIGraphicsGetCurrentContext(), text, {0, 0, size.width, size.height}, style);
    auto image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image;
}

bool samePixels(const UIImagePtr& a, const UIImagePtr& b)
{
    return a && b && a->pngData() == b->pngData();
}

// Whether anything is drawn in the rightmost `band` columns.
bool inkNearRightEdge(const UIImage& image, int band)
{
    for (int x = image.pixelWidth() - band; x < image.pixelWidth(); ++x) {
        for (int y = 0; y < image.pixelHeight(); ++y) {
            if (image.pixelAt(x, y).a != 0) {
                return true;
            }
        }
    }
    return false;
}

struct LimitedLabel {
    const char* name;
    int lines;
    NSLineBreakMode mode;
    CGSize size;
};

} // namespace

TEST(LongTextLayout, ALimitedLabelShowsTheSameWhateverFollowsWhatCanShow)
{
    const LimitedLabel labels[] = {
        {"two lines, tail truncated", 2, NSLineBreakMode::byTruncatingTail, {238, 60}},
        {"lines its height allows", 0, NSLineBreakMode::byWordWrapping, {238, 100}},
        {"lines its height allows, tail truncated", 0, NSLineBreakMode::byTruncatingTail, {238, 100}},
        {"two lines, char wrapped", 2, NSLineBreakMode::byCharWrapping, {238, 60}},
        {"one line, tail truncated", 1, NSLineBreakMode::byTruncatingTail, {200, 20}},
        {"one line, head truncated", 1, NSLineBreakMode::byTruncatingHead, {200, 20}},
        {"one line, middle truncated", 1, NSLineBreakMode::byTruncatingMiddle, {200, 20}},
        {"one line, clipped", 1, NSLineBreakMode::byClipping, {200, 20}},
    };
    const std::string pieces[] = {"RaviKumarSa", "Ravi Kumar ", "ร้านกาแฟสุขุมวิท"};
    for (const auto& label : labels) {
        LabelTextStyle style;
        style.font = UIFont::systemFont(13);
        style.maximumLines = label.lines;
        style.lineBreakMode = label.mode;
        const bool oneLine = label.lines == 1;
        const bool endShows = oneLine && label.mode == NSLineBreakMode::byTruncatingHead;
        const bool bothEndsShow = oneLine && label.mode == NSLineBreakMode::byTruncatingMiddle;
        for (const auto& piece : pieces) {
            // More than the label shows, little enough to be laid out whole; then 100 KB more where
            // it does not show.
            const std::string shown = repeated(piece, oneLine ? 150 : 600);
            const std::string more = repeated(piece, 100'000);
            const std::string reference = bothEndsShow ? shown + shown : shown;
            const std::string longer = endShows ? more + shown : bothEndsShow ? shown + more + shown : shown + more;
            for (bool styled : {false, true}) {
                if (styled && endShows) {
                    continue;
                }
                SCOPED_TRACE(std::string(label.name) + " / " + piece + (styled ? " / styled" : ""));
                const auto make = [styled](const std::string& text) {
                    return styled ? withLargeFirstWord(text) : NSAttributedString(text);
                };
                const auto image = drawn(make(longer), style, label.size);
                EXPECT_TRUE(samePixels(image, drawn(make(reference), style, label.size)));
                if (oneLine) {
                    // A line too long for the label reaches its end, truncated or clipped.
                    ASSERT_TRUE(image);
                    EXPECT_TRUE(inkNearRightEdge(*image, 16));
                    continue;
                }
                const CGSize size = measureLabelText(make(longer), style, label.size.width, label.size.height);
                EXPECT_EQ(size, measureLabelText(make(reference), style, label.size.width, label.size.height));
                if (!styled) {
                    // Full lines, as many as the label holds.
                    const CGSize one = measureLabelText(NSAttributedString(piece), style, 0);
                    const double lines = label.lines > 0 ? label.lines : std::floor((label.size.height + 0.5) / one.height);
                    EXPECT_NEAR(size.height, lines * one.height, 0.01);
                    EXPECT_GT(size.width, label.size.width - one.width);
                }
            }
        }
    }
}

TEST(LongTextLayout, AWordLongerThanALineBreaksBetweenClustersWithoutAHyphen)
{
    LabelTextStyle style;
    style.font = UIFont::systemFont(13);
    style.maximumLines = 0;
    style.lineBreakMode = NSLineBreakMode::byWordWrapping;
    constexpr CGFloat width = 238;
    // Clusters of one letter, and of a letter and its accent; words of a few lines and of many.
    for (const std::string cluster : {"a", "e\u0301"}) {
        const CGSize one = measureLabelText(NSAttributedString(cluster), style, 0);
        const double perLine = std::floor(width / one.width);
        for (std::size_t count : {300, 3'000}) {
            SCOPED_TRACE(cluster + " x " + std::to_string(count));
            const std::string word = repeated(cluster, text::utf16Length(cluster) * count);
            // Every line full, none with room kept for a hyphen.
            const CGSize wrapped = measureLabelText(NSAttributedString(word), style, width);
            EXPECT_NEAR(wrapped.width, perLine * one.width, 0.01);
            EXPECT_NEAR(wrapped.height, std::ceil(static_cast<double>(count) / perLine) * one.height, 0.01);
            // After a short word, it starts on a line of its own.
            const CGSize after = measureLabelText(NSAttributedString("Dear " + word), style, width);
            EXPECT_NEAR(after.height, wrapped.height + one.height, 0.01);
        }
    }
}

TEST(LongTextLayout, AVeryLongLineMeasuresItsWholeWidth)
{
    LabelTextStyle style;
    style.font = UIFont::systemFont(13);
    style.maximumLines = 0;
    const CGFloat lineHeight = measureLabelText(NSAttributedString("W"), style, 0).height;
    struct Case {
        std::string piece;
        std::string before; // lines before and after the long one
        std::string after;
        int maxLines;
        int linesKept;
    };
    // Well past the two million points where a line's width overflows Pango's units.
    const Case cases[] = {
        {"W", "", "", 0, 1},
        {"Ravi Kumar ", "", "", 0, 1},
        {"W", "Card holder\n", "\nKora ...1234", 0, 3},
        {"W", "Card holder\n", "\nKora ...1234", 2, 2},
    };
    for (const auto& [piece, before, after, maxLines, linesKept] : cases) {
        SCOPED_TRACE(before + piece + after + ", lines " + std::to_string(maxLines));
        constexpr std::size_t repeats = 200'000;
        std::string line;
        for (std::size_t i = 0; i < repeats; ++i) {
            line += piece;
        }
        style.maximumLines = maxLines;
        const CGSize size = measureLabelText(NSAttributedString(before + line + after), style, 0);
        const CGFloat expected = repeats * measureLabelText(NSAttributedString(piece), style, 0).width;
        EXPECT_NEAR(size.width, expected, expected * 1e-5);
        EXPECT_NEAR(size.height, linesKept * lineHeight, 0.01);
    }
}
