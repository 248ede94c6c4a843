// A highlighted system button fades its title; a colour of the highlighted state's own, or a custom
// button, keeps the title as it is.
#include "ControlTestSupport.h"

#include "platform/ui/UIButton.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

using testsupport::renderView;

const UIControlState normal = UIControlState::normal;
const UIControlState highlighted = UIControlState::highlighted;

TEST(ButtonHighlightTest, SystemButtonTitleFadesWhileHighlighted)
{
    auto button = UIButton::button(UIButtonType::system);
    button->setFrame({0, 0, 120, 40});
    button->setTitle("Pay now", normal);
    button->setTintColor(UIColor::blue());
    auto ink = [&] {
        auto image = renderView(button);
        int darkest = 255;
        for (int y = 0; y < image->pixelHeight(); ++y) {
            for (int x = 0; x < image->pixelWidth(); ++x) {
                darkest = std::min<int>(darkest, image->pixelAt(x, y).r);
            }
        }
        return darkest; // blue ink on white: red drops where the title is drawn
    };
    int normalInk = ink();
    EXPECT_EQ(button->titleLabel()->textColor()->alphaComponent(), 1);

    button->setHighlighted(true);
    EXPECT_NEAR(button->titleLabel()->textColor()->alphaComponent(), 0.2, 1e-9);
    EXPECT_GT(ink(), normalInk + 100) << "the highlighted title is much lighter";

    // A title colour of the normal state fades too; one of the highlighted state does not.
    button->setTitleColor(UIColor::red(), normal);
    EXPECT_NEAR(button->titleLabel()->textColor()->alphaComponent(), 0.2, 1e-9);
    button->setTitleColor(UIColor::green(), highlighted);
    EXPECT_TRUE(isEqual(button->titleLabel()->textColor(), UIColor::green()));

    button->setHighlighted(false);
    EXPECT_TRUE(isEqual(button->titleLabel()->textColor(), UIColor::red()));
}

TEST(ButtonHighlightTest, CustomButtonTitleKeepsItsColour)
{
    auto button = NSObject::create<UIButton>(CGRect(0, 0, 120, 40));
    button->setTitle("Pay now", normal);
    button->setTitleColor(UIColor::black(), normal);
    button->setHighlighted(true);
    EXPECT_TRUE(isEqual(button->titleLabel()->textColor(), UIColor::black()));
}

} // namespace
} // namespace platform
