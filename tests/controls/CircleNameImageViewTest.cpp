#include "controls/CardViewsTestSupport.h"

#include "TavroMerchantSDK/controls/TAVROCircleNameImageView.h"

using cardviews::CardViewsTest;
using cardviews::isHexColor;
using platform::CGRect;
using platform::NSObject;
using tavro::TavroActiveFlow;
using tavro::TAVROCircleNameImageView;

namespace {

std::shared_ptr<TAVROCircleNameImageView> makeAvatar(double side = 40)
{
    return NSObject::create<TAVROCircleNameImageView>(CGRect(0, 0, side, side));
}

} // namespace

TEST_F(CardViewsTest, AvatarInitialsTakeTheFirstCharacterOfTheFirstTwoPieces)
{
    struct Case {
        const char* name;
        const char* initials;
    } cases[] = {
        {"John Smith", "JS"},
        {"john smith", "js"},
        {"Madonna", "M"},
        {"Anna Maria Lopez", "AM"},
        {"", ""},
        {" John Smith", "J"},        // the empty first piece uses up a place
        {"John  Smith", "J"},        // so does the empty piece between two spaces
        {"John\tSmith", "J"},        // only the space splits
        {"\xC3\x89lodie \xC3\x91\xC3\xBA\xC3\xB1" "ez", "\xC3\x89\xC3\x91"},  // whole characters
        {"E\xCC\x81lodie Nun" "ez", "E\xCC\x81N"},                            // a combining accent stays with its letter
    };
    auto avatar = makeAvatar();
    for (const auto& c : cases) {
        avatar->setName(c.name);
        EXPECT_EQ(avatar->name(), c.name);
        EXPECT_EQ(avatar->initialsLabel()->text().value_or("<none>"), c.initials) << "name \"" << c.name << "\"";
    }
}

TEST_F(CardViewsTest, AvatarChoosesItsModeFromTheSessionAtEveryLayout)
{
    auto avatar = makeAvatar();
    avatar->setName("Asha Rao");
    avatar->setCardImage("network_logo_tavro");
    const auto& label = avatar->initialsLabel();
    const auto& picture = avatar->pictureView();

    session()->setActiveSessionType(TavroActiveFlow::refundPayment);
    avatar->layoutIfNeeded();
    EXPECT_TRUE(isHexColor(avatar->backgroundColor(), "#F2F4F8"));
    EXPECT_DOUBLE_EQ(avatar->layer()->cornerRadius(), 20);
    EXPECT_EQ(label->frame(), CGRect(0, 0, 40, 40));
    EXPECT_FALSE(label->isHidden());
    EXPECT_TRUE(picture->isHidden());

    // The same view, laid out again in the request flow, shows the picture; the radius stays.
    session()->setActiveSessionType(TavroActiveFlow::requestPayment);
    avatar->setNeedsLayout();
    avatar->layoutIfNeeded();
    ASSERT_TRUE(avatar->backgroundColor());
    EXPECT_EQ(avatar->backgroundColor()->alphaComponent(), 0);
    EXPECT_EQ(picture->frame(), CGRect(0, 0, 40, 40));
    EXPECT_EQ(picture->contentMode(), platform::UIViewContentMode::scaleAspectFit);
    EXPECT_TRUE(label->isHidden());
    EXPECT_FALSE(picture->isHidden());
    EXPECT_DOUBLE_EQ(avatar->layer()->cornerRadius(), 20);

    // A scanned code asks for initials in every flow.
    session()->setIsScanned(true);
    for (auto flow : {TavroActiveFlow::none, TavroActiveFlow::payMerchant, TavroActiveFlow::withdrawCash,
                      TavroActiveFlow::requestPayment}) {
        session()->setActiveSessionType(flow);
        EXPECT_TRUE(TAVROCircleNameImageView::showsInitialsForSession()) << int(flow);
    }
    session()->setIsScanned(false);
    for (auto flow : {TavroActiveFlow::payMerchantAlias, TavroActiveFlow::payFriend, TavroActiveFlow::aliasPayFriend}) {
        session()->setActiveSessionType(flow);
        EXPECT_TRUE(TAVROCircleNameImageView::showsInitialsForSession()) << int(flow);
    }
    for (auto flow : {TavroActiveFlow::none, TavroActiveFlow::payMerchant, TavroActiveFlow::withdrawCash}) {
        session()->setActiveSessionType(flow);
        EXPECT_FALSE(TAVROCircleNameImageView::showsInitialsForSession()) << int(flow);
    }
}

TEST_F(CardViewsTest, AvatarColourAndPicture)
{
    auto avatar = makeAvatar();
    EXPECT_TRUE(isHexColor(avatar->titleColor(), "#6F7099"));
    EXPECT_TRUE(isHexColor(avatar->initialsLabel()->textColor(), "#6F7099"));
    avatar->setTitleColor(platform::UIColor::red());
    EXPECT_TRUE(platform::isEqual(avatar->initialsLabel()->textColor(), platform::UIColor::red()));

    avatar->setCardImage("network_logo_tavro");
    ASSERT_TRUE(avatar->pictureView()->image());
    EXPECT_FALSE(avatar->pictureView()->image()->isEmpty());
    avatar->setCardImage("no_such_image");
    ASSERT_TRUE(avatar->pictureView()->image()) << "a missing picture is an empty image";
    EXPECT_TRUE(avatar->pictureView()->image()->isEmpty());
    EXPECT_EQ(avatar->cardImage(), "no_such_image");
}
