// Control characters and ill-formed text in a label: laid out and drawn as U+FFFD, text after a NUL
// included, with no warning from the text layout.
#include "platform/graphics/ImageContext.h"
#include "platform/graphics/LabelText.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

using namespace platform;

namespace {

UIImagePtr drawn(const std::string& text, const LabelTextStyle& style)
{
    UIGraphicsBeginImageContextWithOptions({238, 200}, false, 1);
    drawLabelText(*UIGraphicsGetCurrentContext(), NSAttributedString(text), {0, 0, 238, 200}, style);
    auto image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image;
}

} // namespace

TEST(ControlCharacterText, ControlCharactersLayOutAsReplacementsWithoutWarnings)
{
    LabelTextStyle style;
    style.font = UIFont::systemFont(13);
    style.maximumLines = 0;
    style.lineBreakMode = NSLineBreakMode::byWordWrapping;
    // {what the text holds, what it shows}
    const std::pair<std::string, std::string> cases[] = {{std::string(1, '\0'), "\uFFFD"},
                                                         {"\x01", "\uFFFD"},
                                                         {"\x7F", "\uFFFD"},
                                                         {"\u0085", "\uFFFD"},
                                                         {"\r\n", "\n"},
                                                         {"\xFF", "\uFFFD"}};
    for (const auto& [held, shown] : cases) {
        SCOPED_TRACE(testing::PrintToString(held));
        // Longer than a short text, so the wrapped layout looks for long runs too.
        std::string text;
        std::string expected;
        while (text.size() < 400) {
            text += "Ravi" + held + "Kumar ";
            expected += "Ravi" + shown + "Kumar ";
        }
        testing::internal::CaptureStderr();
        const CGSize wrapped = measureLabelText(NSAttributedString(text), style, 238);
        const CGSize unwrapped = measureLabelText(NSAttributedString(text), style, 0);
        const auto image = drawn(text, style);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(wrapped, measureLabelText(NSAttributedString(expected), style, 238));
        EXPECT_EQ(unwrapped, measureLabelText(NSAttributedString(expected), style, 0));
        const auto expectedImage = drawn(expected, style);
        ASSERT_TRUE(image && expectedImage);
        EXPECT_TRUE(image->pngData() == expectedImage->pngData());
    }
}
