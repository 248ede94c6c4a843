#include "controls/CardViewsTestSupport.h"

#include "TavroMerchantSDK/controls/TAVROCircleNameImageView.h"

using cardviews::CardViewsTest;
using cardviews::isHexColor;
using platform::CGRect;
using platform::NSObject;
using tavro::TavroActiveFlow;
using tavro::TAVROCircleNameImageView;

TEST_F(CardViewsTest, AvatarInitialsTakeTheFirstCharacterOfTheFirstTwoPieces)
{
    const char* cases[][2] = {
        {"John Smith", "JS"},
        {"john smith", "js"},
        {"Madonna", "M"},
        {"Anna Maria Lopez", "AM"},
        {"", ""},
        {" John Smith", "J"}, // the empty first piece uses up a place
        {"John  Smith", "J"}, // so does the empty piece between two spaces
        {"John\tSmith", "J"}, // only the space splits
        {"\xC3\x89lodie \xC3\x91\xC3\xBA\xC3\xB1"
         "ez",
         "\xC3\x89\xC3\x91"}, // whole characters
        {"E\xCC\x81lodie Nun"
         "ez",
         "E\xCC\x81N"}, // a combining accent stays
    };
    auto avatar = NSObject::create<TAVROCircleNameImageView>(CGRect(0, 0, 40, 40));
    for (const auto& c : cases) {
        avatar->setName(c[0]);
        EXPECT_EQ(avatar->initialsLabel()->text().value_or("<none>"), c[1]) << "name \"" << c[0] << "\"";
    }
}

TEST_F(CardViewsTest, AvatarChoosesItsModeFromTheSessionAtEveryLayout)
{
    auto avatar = NSObject::create<TAVROCircleNameImageView>(CGRect(0, 0, 40, 40));
    avatar->setName("Asha Rao");
    avatar->setCardImage("network_logo_tavro");
    const auto& label = avatar->initialsLabel();
    const auto& picture = avatar->pictureView();

    session()->setActiveSessionType(TavroActiveFlow::refundPayment);
    avatar->layoutIfNeeded();
    EXPECT_TRUE(isHexColor(avatar->backgroundColor(), "#F2F4F8"));
    EXPECT_DOUBLE_EQ(avatar->layer()->cornerRadius(), 20);
    EXPECT_EQ(label->frame(), CGRect(0, 0, 40, 40));
    EXPECT_TRUE(!label->isHidden() && picture->isHidden());

    // The same view laid out again in the request flow shows the picture; the radius stays.
    session()->setActiveSessionType(TavroActiveFlow::requestPayment);
    avatar->setNeedsLayout();
    avatar->layoutIfNeeded();
    EXPECT_EQ(avatar->backgroundColor()->alphaComponent(), 0);
    EXPECT_EQ(picture->frame(), CGRect(0, 0, 40, 40));
    EXPECT_EQ(picture->contentMode(), platform::UIViewContentMode::scaleAspectFit);
    EXPECT_TRUE(label->isHidden() && !picture->isHidden());
    EXPECT_DOUBLE_EQ(avatar->layer()->cornerRadius(), 20);

    for (int flow = 0; flow <= int(TavroActiveFlow::aliasPayFriend); ++flow) {
        session()->setActiveSessionType(TavroActiveFlow(flow));
        bool personal = flow == int(TavroActiveFlow::payMerchantAlias) || flow == int(TavroActiveFlow::payFriend) ||
                        flow == int(TavroActiveFlow::refundPayment) || flow == int(TavroActiveFlow::aliasPayFriend);
        session()->setIsScanned(false);
        EXPECT_EQ(TAVROCircleNameImageView::showsInitialsForSession(), personal) << flow;
        session()->setIsScanned(true);
        EXPECT_TRUE(TAVROCircleNameImageView::showsInitialsForSession()) << "scanned, flow " << flow;
    }
}

TEST_F(CardViewsTest, AvatarColourAndPicture)
{
    auto avatar = NSObject::create<TAVROCircleNameImageView>(CGRect(0, 0, 40, 40));
    EXPECT_TRUE(isHexColor(avatar->initialsLabel()->textColor(), "#6F7099"));
    avatar->setTitleColor(platform::UIColor::red());
    EXPECT_TRUE(platform::isEqual(avatar->initialsLabel()->textColor(), platform::UIColor::red()));

    avatar->setCardImage("network_logo_tavro");
    EXPECT_FALSE(avatar->pictureView()->image()->isEmpty());
    avatar->setCardImage("no_such_image");
    ASSERT_TRUE(avatar->pictureView()->image()) << "a missing picture is an empty image";
    EXPECT_TRUE(avatar->pictureView()->image()->isEmpty());
}
