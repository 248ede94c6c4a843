// Left and right alignment mean left and right whatever the direction of the text; natural
// alignment follows the text (right for a right-to-left paragraph).
#include "ControlTestSupport.h"

#include "platform/ui/UILabel.h"
#include "platform/ui/UITextField.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

using testsupport::inkBounds;
using testsupport::renderView;

const char* const kHebrew = "שלום עולם";                                    // short: fits the width with room to spare
const char* const kArabicLong = "مرحبا بكم في متجرنا الجديد اليوم وكل يوم"; // wraps at 200 points

template <class View>
CGRect inkWith(const std::shared_ptr<View>& view, NSTextAlignment alignment)
{
    view->setTextAlignment(alignment);
    return inkBounds(*renderView(view));
}

TEST(RightToLeftAlignmentTest, LabelsKeepLeftAndRightForRightToLeftText)
{
    auto label = NSObject::create<UILabel>(CGRect(0, 0, 200, 40));
    label->setText(kHebrew);
    EXPECT_LT(inkWith(label, NSTextAlignment::left).minX(), 4);
    EXPECT_GT(inkWith(label, NSTextAlignment::right).maxX(), 195);
    EXPECT_GT(inkWith(label, NSTextAlignment::natural).maxX(), 195) << "natural is leading: right here";
    EXPECT_NEAR(inkWith(label, NSTextAlignment::center).midX(), 100, 3);

    // Wrapped lines too: every line starts at the left edge with left alignment.
    label->setFrame({0, 0, 200, 120});
    label->setNumberOfLines(0);
    label->setText(kArabicLong);
    auto left = inkWith(label, NSTextAlignment::left);
    auto right = inkWith(label, NSTextAlignment::right);
    EXPECT_LT(left.minX(), 4);
    EXPECT_GT(right.maxX(), 195);
    EXPECT_GT(right.minX(), left.minX()) << "the shorter last line moves with the alignment";
}

TEST(RightToLeftAlignmentTest, TextFieldsKeepLeftAndRightForRightToLeftText)
{
    auto field = NSObject::create<UITextField>(CGRect(0, 0, 200, 30));
    field->setText(kHebrew);
    EXPECT_LT(inkWith(field, NSTextAlignment::left).minX(), 4);
    EXPECT_GT(inkWith(field, NSTextAlignment::right).maxX(), 195);

    field->setText(std::nullopt);
    field->setPlaceholder(kHebrew);
    EXPECT_LT(inkWith(field, NSTextAlignment::left).minX(), 4);
}

TEST(RightToLeftAlignmentTest, LeftToRightTextIsUnchanged)
{
    auto label = NSObject::create<UILabel>(CGRect(0, 0, 200, 40));
    label->setText("Summary");
    EXPECT_LT(inkWith(label, NSTextAlignment::left).minX(), 4);
    EXPECT_LT(inkWith(label, NSTextAlignment::natural).minX(), 4);
    EXPECT_GT(inkWith(label, NSTextAlignment::right).maxX(), 195);
}

} // namespace
} // namespace platform
