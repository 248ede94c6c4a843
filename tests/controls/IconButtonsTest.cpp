#include "controls/ControlsTestSupport.h"

#include "TavroMerchantSDK/controls/KSecondaryButtonIcon.h"
#include "TavroMerchantSDK/controls/SecondaryButton.h"
#include "TavroMerchantSDK/controls/TavroSecondaryBarButtonItem.h"
#include "TavroMerchantSDK/support/UIImageDrawingExtensions.h"

#include "platform/foundation/DebugLog.h"
#include "platform/ui/CAShapeLayer.h"

#include "MadeLocale.h"

namespace controlstest {
namespace {

using platform::NSObject;
using platform::UIControlState;
using tavro::KSecondaryButtonIcon;
using tavro::SecondaryButton;

using IconButtonsTest = ControlsTest;

TEST_F(IconButtonsTest, RoundSoftSquareThatRefusesTitles)
{
    auto button = NSObject::create<KSecondaryButtonIcon>();
    for (auto attribute : {platform::NSLayoutAttribute::width, platform::NSLayoutAttribute::height}) {
        auto sizes = ownConstraints(button, attribute);
        ASSERT_EQ(sizes.size(), 1u);
        EXPECT_EQ(sizes[0]->constant(), 40);
        EXPECT_EQ(sizes[0]->priority(), 800);
    }
    EXPECT_FALSE(button->adjustsImageWhenHighlighted());
    EXPECT_FALSE(button->backgroundImage(UIControlState::normal));
    EXPECT_EQ(button->backgroundImage(UIControlState::highlighted)->pixelAt(0, 0),
              (platform::RGBA8{0x18, 0x69, 0xD6, 255}));

    auto host = NSObject::create<platform::UIView>(platform::CGRect(0, 0, 200, 200));
    host->addSubview(button);
    host->layoutIfNeeded();
    EXPECT_EQ(button->frame().size, (platform::CGSize{40, 40}));
    EXPECT_EQ(button->layer()->cornerRadius(), 20);
    EXPECT_TRUE(button->layer()->masksToBounds());
    platform::NSLayoutConstraint::create(button, platform::NSLayoutAttribute::width, platform::NSLayoutRelation::equal,
                                         nullptr, platform::NSLayoutAttribute::notAnAttribute, 1, 64)
        ->setActive(true);
    host->layoutIfNeeded();
    EXPECT_EQ(button->frame().size.width, 64) << "a stronger host constraint wins";
    EXPECT_EQ(button->layer()->cornerRadius(), 32);

    platform::DebugLogCapture log;
    for (auto state : {UIControlState::normal, UIControlState::highlighted, UIControlState::selected})
        button->setTitle("Back", state);
    EXPECT_FALSE(button->title(UIControlState::normal));
    EXPECT_FALSE(button->currentTitle());
    ASSERT_EQ(log.lines().size(), 3u);
    EXPECT_EQ(log.lines()[0], "Error: SecondaryButtonIcon doesn't support Tittle");
}

TEST_F(IconButtonsTest, StylesTintAndMask)
{
    auto button = NSObject::create<KSecondaryButtonIcon>(platform::CGRect(0, 0, 40, 40));
    button->applyButtonStyle();
    EXPECT_FALSE(button->image(UIControlState::normal)) << "nothing to tint";
    auto icon = tavro::imageWithColor(platform::UIColor::red(), platform::CGSize{10, 10});
    button->setImage(icon, UIControlState::normal);
    button->applyButtonStyle();
    EXPECT_EQ(button->image(UIControlState::normal)->renderingMode(), platform::UIImageRenderingMode::alwaysTemplate);
    EXPECT_TRUE(sameColor(button->tintColor(), platform::UIColor::white()));

    button->applyStyle();
    auto mask = std::dynamic_pointer_cast<platform::CAShapeLayer>(button->layer()->mask());
    ASSERT_TRUE(mask);
    EXPECT_EQ(mask->frame(), platform::CGRect(0, 0, 40, 40));
    ASSERT_TRUE(mask->path());
    EXPECT_EQ(mask->path()->boundingBox(), platform::CGRect(0, 0, 40, 40));
    // The top-right corner stays square, the others are cut.
    auto picture = tavro::imageFromLayer(mask);
    ASSERT_TRUE(picture);
    const int right = picture->pixelWidth() - 1;
    const int bottom = picture->pixelHeight() - 1;
    EXPECT_EQ(picture->pixelAt(right, 0).a, 255);
    EXPECT_EQ(picture->pixelAt(0, 0).a, 0);
    EXPECT_EQ(picture->pixelAt(right, bottom).a, 0);
    EXPECT_EQ(picture->pixelAt(0, bottom).a, 0);
}

TEST_F(IconButtonsTest, BarItemFactoryWiresAFrameSizedButton)
{
    struct Target {
        int presses = 0;
        void press() { ++presses; }
    };
    auto target = std::make_shared<Target>();
    auto icon = tavro::imageWithColor(platform::UIColor::white(), platform::CGSize{12, 12});
    auto item = tavro::TavroSecondaryBarButtonItem::secondaryButtonIconItem(icon, target, &Target::press,
                                                                            platform::UIColor::orange());
    auto button = std::dynamic_pointer_cast<KSecondaryButtonIcon>(item->customView());
    ASSERT_TRUE(button);
    EXPECT_EQ(button->frame(), platform::CGRect(0, 0, 40, 40));
    EXPECT_TRUE(button->translatesAutoresizingMaskIntoConstraints());
    EXPECT_EQ(button->image(UIControlState::normal), icon);
    EXPECT_EQ(button->backgroundImage(UIControlState::highlighted)->pixelAt(0, 0), (platform::RGBA8{255, 128, 0, 255}));
    button->sendActions(platform::UIControlEvents::touchUpInside);
    EXPECT_EQ(target->presses, 1);
    target.reset();
    button->sendActions(platform::UIControlEvents::touchUpInside); // a dead target is skipped
}

// Names given one after another to a new button, and the kind each leaves it with; the first
// one misread, if any.
std::optional<std::string> misreadTypeName()
{
    auto button = NSObject::create<SecondaryButton>();
    using Type = SecondaryButton::ButtonType;
    const std::pair<const char*, Type> names[] = {
        {"TITLE&ICON", Type::TitleAndIcon}, {"bigicon", Type::BigIcon}, {"TITLE", Type::Title},
        {"BIGICON", Type::BigIcon},         {"Icon", Type::Icon},       {"sideways", Type::Icon},
    };
    for (auto [name, type] : names) {
        button->setTypeName(name);
        if (button->type() != type || button->typeName() != std::optional<std::string>(name))
            return name;
    }
    return std::nullopt;
}

TEST_F(IconButtonsTest, SecondaryButtonKindByNameAndItsDiagnostics)
{
    EXPECT_EQ(misreadTypeName(), std::nullopt);
    auto button = NSObject::create<SecondaryButton>();
    EXPECT_EQ(button->type(), SecondaryButton::ButtonType::Icon);
    button->setTypeName("title");
    button->setTypeName(std::nullopt);
    EXPECT_EQ(button->type(), SecondaryButton::ButtonType::Title);

    platform::DebugLogCapture log;
    button->awakeFromNib();
    button->setTitle("More", UIControlState::normal);
    button->setup();
    button->setTypeName("bigIcon");
    button->layoutSubviews();
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"nil", "More", "layoutSubviews Secondary Button type = bigIcon"}));
    // Under a Turkish locale the C library does not lower 'I' to 'i'; the names read as anywhere.
    EXPECT_PASSES_UNDER_MADE_LOCALE("tr_TR", "UTF-8", [] { return !misreadTypeName(); });
}

} // namespace
} // namespace controlstest
