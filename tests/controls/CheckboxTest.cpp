#include "controls/ControlsTestSupport.h"

#include "TavroMerchantSDK/controls/KCheckbox.h"
#include "TavroMerchantSDK/controls/KCheckboxWithText.h"

#include "platform/graphics/UIFont.h"

namespace controlstest {
namespace {

using platform::CGRect;
using platform::NSObject;
using tavro::KCheckbox;
using tavro::KCheckboxWithText;
using tavro::KUITheme;

// A host view in the driver's window with `control` at (20, 20).
platform::UIViewPtr hostIn(platform::UIDriver& driver, const platform::UIViewPtr& control)
{
    auto host = NSObject::create<platform::UIView>(CGRect(0, 0, 375, 200));
    host->addSubview(control);
    using platform::NSLayoutAttribute;
    using platform::NSLayoutConstraint;
    using platform::NSLayoutRelation;
    NSLayoutConstraint::activate({
        NSLayoutConstraint::create(control, NSLayoutAttribute::left, NSLayoutRelation::equal, host,
                                   NSLayoutAttribute::left, 1, 20),
        NSLayoutConstraint::create(control, NSLayoutAttribute::top, NSLayoutRelation::equal, host,
                                   NSLayoutAttribute::top, 1, 20),
    });
    driver.setRoot(host);
    host->layoutIfNeeded();
    return host;
}

using CheckboxTest = ControlsTest;

TEST_F(CheckboxTest, NewBoxIsEmptySoftSizedAndBordered)
{
    auto box = NSObject::create<KCheckbox>();
    EXPECT_FALSE(box->isSelected());
    EXPECT_TRUE(box->checkmarkImageView()->isHidden());
    EXPECT_EQ(box->layer()->borderWidth(), 2);
    EXPECT_TRUE(sameColor(box->layer()->borderColor(), hex("#15195A")));
    EXPECT_EQ(box->layer()->cornerRadius(), 0);

    auto host = hostIn(driver, box);
    EXPECT_EQ(box->frame(), CGRect(20, 20, 16, 16));
    EXPECT_NEAR(box->checkmarkImageView()->frame().size.width, 16 * 0.6, 0.5);
    EXPECT_EQ(box->checkmarkImageView()->frame().size.height, 8);
    box->setCheckboxWidth(30);
    box->setNeedsLayout();
    host->layoutIfNeeded();
    EXPECT_EQ(box->frame().size.width, 16) << "read once, at the first constraint pass";
    platform::NSLayoutConstraint::create(box, platform::NSLayoutAttribute::width, platform::NSLayoutRelation::equal,
                                         nullptr, platform::NSLayoutAttribute::notAnAttribute, 1, 24)
        ->setActive(true);
    host->layoutIfNeeded();
    EXPECT_EQ(box->frame().size.width, 24) << "a stronger constraint wins";
}

TEST_F(CheckboxTest, TapsToggleAndTheTickShowsOnlyWhenSelectedAndReleased)
{
    auto box = NSObject::create<KCheckbox>();
    int events = 0;
    box->addAction([&](platform::UIControl&) { ++events; }, platform::UIControlEvents::touchUpInside);
    hostIn(driver, box);

    ASSERT_TRUE(driver.tap(box));
    EXPECT_TRUE(box->isSelected());
    EXPECT_EQ(events, 1);
    EXPECT_FALSE(box->checkmarkImageView()->isHidden());
    EXPECT_TRUE(sameColor(box->backgroundColor(), hex("#15195A")));

    // Pressed: fill without the tick.
    box->setHighlighted(true);
    EXPECT_TRUE(box->checkmarkImageView()->isHidden());
    box->setHighlighted(false);

    ASSERT_TRUE(driver.tap(box));
    EXPECT_FALSE(box->isSelected());
    EXPECT_TRUE(box->checkmarkImageView()->isHidden());
    EXPECT_TRUE(sameColor(box->backgroundColor(), platform::UIColor::clear()));
    box->setHighlighted(true);
    EXPECT_TRUE(sameColor(box->backgroundColor(), hex("#15195A")));
    box->setHighlighted(false);

    // In code: the look changes at once and no event is sent.
    box->setSelected(true);
    EXPECT_FALSE(box->checkmarkImageView()->isHidden());
    EXPECT_EQ(events, 2);
}

TEST_F(CheckboxTest, ThemeAndTickWidthRedrawTheTickLazily)
{
    auto box = NSObject::create<KCheckbox>();
    hostIn(driver, box);
    box->setSelected(true);
    driver.render(box);
    ASSERT_TRUE(box->checkmarkImageView()->image());
    EXPECT_NEAR(box->checkmarkImageView()->image()->size().width, 16 * 0.6 + 2, 0.5);
    EXPECT_EQ(box->checkmarkImageView()->image()->size().height, 10);

    // A new theme re-colours the border at once and the tick at the next draw; the fill keeps the
    // old colour until the selection is next set.
    auto oldTick = box->checkmarkImageView()->image();
    box->setTheme(KUITheme::lightUI);
    EXPECT_TRUE(sameColor(box->layer()->borderColor(), platform::UIColor::white()));
    EXPECT_EQ(box->checkmarkImageView()->image(), oldTick);
    driver.render(box);
    EXPECT_NE(box->checkmarkImageView()->image(), oldTick);
    EXPECT_TRUE(sameColor(box->backgroundColor(), hex("#15195A")));
    box->setSelected(true);
    EXPECT_TRUE(sameColor(box->backgroundColor(), platform::UIColor::white()));

    // A new tick width alone waits for something else to ask for a redraw.
    auto lightTick = box->checkmarkImageView()->image();
    box->setCheckmarkWidth(4);
    EXPECT_EQ(box->checkmarkImageView()->image(), lightTick);
}

TEST_F(CheckboxTest, LabelledBoxTogglesFromAnywhereAndFramesItsLabel)
{
    auto control = NSObject::create<KCheckboxWithText>();
    EXPECT_FALSE(control->isSelected());
    EXPECT_EQ(control->checkboxLabel()->font()->pointSize(), 16);
    EXPECT_TRUE(sameColor(control->checkboxLabel()->textColor(), hex("#15195A")));
    EXPECT_FALSE(control->checkbox()->isUserInteractionEnabled());
    control->setTitle("Save card", platform::UIControlState::normal);
    EXPECT_FALSE(control->title(platform::UIControlState::normal)) << "only the label shows the title";
    platform::NSLayoutConstraint::activate({
        platform::NSLayoutConstraint::create(control, platform::NSLayoutAttribute::width,
                                             platform::NSLayoutRelation::equal, nullptr,
                                             platform::NSLayoutAttribute::notAnAttribute, 1, 300),
        platform::NSLayoutConstraint::create(control, platform::NSLayoutAttribute::height,
                                             platform::NSLayoutRelation::equal, nullptr,
                                             platform::NSLayoutAttribute::notAnAttribute, 1, 60),
    });
    auto host = hostIn(driver, control);
    EXPECT_EQ(control->checkbox()->frame(), CGRect(0, 0, 16, 16));
    EXPECT_EQ(control->checkboxLabel()->frame(), CGRect(28, 0, 272, 16)) << "one line is as tall as the box";

    // A tap on the label's part flips the control, and the box follows.
    auto labelMiddle = control->checkboxLabel()->convert(platform::CGPoint{100, 8}, host);
    EXPECT_EQ(driver.tapAt(labelMiddle), control);
    EXPECT_TRUE(control->isSelected());
    EXPECT_TRUE(control->checkbox()->isSelected());
    ASSERT_TRUE(driver.tap(control));
    EXPECT_FALSE(control->checkbox()->isSelected());

    // A long text wraps; a control shorter than it shows only whole lines.
    const double line = control->checkboxLabel()->font()->lineHeight();
    control->setTitle("Save this card on this device", platform::UIControlState::normal);
    EXPECT_EQ(control->checkboxLabel()->frame().size.height, 16);
    control->setTitle("Save this card on this device for the next payment so that it need not be typed again",
                      platform::UIControlState::normal);
    EXPECT_GT(control->checkboxLabel()->frame().size.height, line * 1.5) << "wraps";
    control->setTitle("Save this card on this device for the next payment so that it need not be typed again, "
                      "and use it for refunds of payments made with it as well, until it is removed from the list",
                      platform::UIControlState::normal);
    EXPECT_DOUBLE_EQ(control->checkboxLabel()->frame().size.height, std::floor(60 / line) * line) << "whole lines only";

    // Theme changes the label colour, but textColor keeps its value.
    control->setTheme(KUITheme::lightUI);
    EXPECT_TRUE(sameColor(control->checkboxLabel()->textColor(), platform::UIColor::white()));
    EXPECT_TRUE(sameColor(control->textColor(), hex("#15195A")));
    EXPECT_EQ(control->checkbox()->theme(), KUITheme::lightUI);

    // Spacing re-frames the label at once, the box's size moves at the next constraint pass.
    control->setCheckboxSize(20);
    EXPECT_EQ(control->checkboxLabel()->frame().size.width, 300 - 20 - 12);
    EXPECT_EQ(control->checkbox()->frame().size.width, 16);
    control->setNeedsUpdateConstraints();
    host->layoutIfNeeded();
    EXPECT_EQ(control->checkbox()->frame().size.width, 20);

    EXPECT_EQ(control->sizeThatFits({10, 100}), (platform::CGSize{0, 0}));
    EXPECT_EQ(control->sizeThatFits({100, 10}), (platform::CGSize{0, 0}));
    EXPECT_GT(control->sizeThatFits({300, 200}).width, 20 + 12);
}

} // namespace
} // namespace controlstest
