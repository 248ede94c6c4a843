// The font scale a shrinking label finds is kept between draws; everything it depends on must make
// it be found again.
#include "ControlTestSupport.h"

#include "platform/ui/UILabel.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

using testsupport::inkBounds;
using testsupport::renderView;

std::shared_ptr<UILabel> shrinkingLabel()
{
    auto label = NSObject::create<UILabel>(CGRect(0, 0, 100, 24));
    label->setText("A merchant name far too long");
    label->setAdjustsFontSizeToFitWidth(true);
    return label;
}

TEST(LabelFitCacheTest, EveryInputOfTheFitRefitsTheText)
{
    auto label = shrinkingLabel();
    double first = label->fontScaleForCurrentBounds();
    ASSERT_LT(first, 1);
    EXPECT_EQ(label->fontScaleForCurrentBounds(), first);

    label->setFrame({0, 0, 50, 24});
    double narrower = label->fontScaleForCurrentBounds();
    EXPECT_LT(narrower, first) << "a new width";
    label->setBounds({0, 0, 100, 24});
    EXPECT_EQ(label->fontScaleForCurrentBounds(), first) << "back to the first width";

    label->setFont(UIFont::systemFont(30));
    EXPECT_LT(label->fontScaleForCurrentBounds(), first) << "a bigger font";
    label->setFont(nullptr);
    EXPECT_EQ(label->fontScaleForCurrentBounds(), first);

    label->setText("A merchant name far too long, and longer");
    EXPECT_LT(label->fontScaleForCurrentBounds(), first) << "longer text";
    label->setAttributedText(NSAttributedString("Short"));
    EXPECT_EQ(label->fontScaleForCurrentBounds(), 1) << "attributed text that fits";

    label->setText("A merchant name far too long");
    label->setMinimumScaleFactor(0.9);
    EXPECT_DOUBLE_EQ(label->fontScaleForCurrentBounds(), 0.9) << "a higher minimum";
    label->setAdjustsFontSizeToFitWidth(false);
    EXPECT_EQ(label->fontScaleForCurrentBounds(), 1) << "no longer shrinking";
    label->setAdjustsFontSizeToFitWidth(true);
    label->setNumberOfLines(2);
    EXPECT_EQ(label->fontScaleForCurrentBounds(), 1) << "several lines do not shrink";
}

TEST(LabelFitCacheTest, RedrawingAfterAChangeDrawsTheNewFit)
{
    auto label = shrinkingLabel();
    auto wide = inkBounds(*renderView(label));
    EXPECT_LE(wide.maxX(), 101);
    label->setFrame({0, 0, 60, 24});
    auto narrow = inkBounds(*renderView(label));
    EXPECT_LE(narrow.maxX(), 61) << "still fits after the width changed";
    EXPECT_LT(narrow.height(), wide.height());
}

} // namespace
} // namespace platform
