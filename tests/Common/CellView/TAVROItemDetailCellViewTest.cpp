// The item-detail row: what it shows per flow and network, the host's order of binding before
// the first layout, a second model, and the avatar it renders.

#include "Common/CellView/CellTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/TAVROItemDetailCellView.h"

using namespace celltest;
using tavro::TAVROItemDetailCellView;
using tavro::TAVROPaymentCellModel;

namespace {

std::shared_ptr<TAVROPaymentCellModel> model(std::optional<std::string> name = {}, std::optional<std::string> id = {})
{
    auto made = NSObject::create<TAVROPaymentCellModel>(CellType::merchantDetail, std::nullopt, std::nullopt);
    made->setMerchantName(std::move(name));
    made->setMerchantId(std::move(id));
    return made;
}
std::shared_ptr<TAVROPaymentCellModel> merchantModel(std::string id)
{
    return model({}, std::move(id));
}

class ItemDetailTest : public CellTest {
protected:
    // Made and bound in the host's order: frame, model, then the first layout.
    std::shared_ptr<TAVROItemDetailCellView> row(const std::shared_ptr<TAVROPaymentCellModel>& bound,
                                                 CGRect frame = CGRect(0, 0, 375, 91))
    {
        auto made = NSObject::create<TAVROItemDetailCellView>(frame);
        made->setCellObject(bound);
        made->setCellType(CellType::merchantDetail);
        window = show(made);
        return made;
    }
    std::shared_ptr<platform::UIWindow> window;
};

} // namespace

TEST_F(ItemDetailTest, ModelBoundBeforeLayoutFillsTheLabelsOnceBuilt)
{
    session()->setActiveSessionType(TavroActiveFlow::requestPayment);
    auto made = NSObject::create<TAVROItemDetailCellView>(CGRect(0, 0, 375, 91));
    made->setCellObject(merchantModel("4111111111111111"));
    EXPECT_FALSE(made->itemTitleLbl());
    EXPECT_EQ(made->cardImage(), "network_logo_tavro");
    EXPECT_EQ(made->listItemSubDesc(), "");

    window = show(made);
    EXPECT_EQ(made->itemTitleLbl()->text(), "4111 1111 1111 1111");
    EXPECT_EQ(made->itemDescriptionLbl()->text(), ""); // the request flow sets no kind of ID

    // A row 91 high: a 59-point avatar at 16, 16 and two 29.5-point text lines from x 91.
    EXPECT_EQ(made->imageView()->frame(), CGRect(16, 16, 59, 59));
    EXPECT_EQ(made->itemTitleLbl()->frame(), CGRect(91, 16, 268, 29.5));
    EXPECT_EQ(made->itemDescriptionLbl()->frame(), CGRect(91, 45.5, 268, 29.5));
}

TEST_F(ItemDetailTest, IdsAreGroupedAndLabelledPerFlowAndNetwork)
{
    struct Case {
        TavroActiveFlow flow;
        std::string id, title, description, image;
    };
    const std::vector<Case> cases = {
        {TavroActiveFlow::payMerchant, "4111111111111111", "4111 1111 1111 1111", "Merchant ID", "network_logo_tavro"},
        {TavroActiveFlow::payMerchant, "5100", "5100", "Master Card Merchant ID", "network_logo_mastercard"},
        {TavroActiveFlow::payMerchant, "60123", "6012 3", "Rupay Merchant ID", "network_logo_rupay"},
        {TavroActiveFlow::payMerchant, "7123", "7123", "Merchant ID", "card_placeholder"},
        {TavroActiveFlow::payMerchant, "", "", "Merchant ID", "card_placeholder"},
        {TavroActiveFlow::withdrawCash, "41111", "4111 1", "Agent ID", "network_logo_tavro"},
        {TavroActiveFlow::payMerchantAlias, "5123", "5123", "Master Card Merchant ID", "network_logo_mastercard"},
        {TavroActiveFlow::none, "612345678", "6123 4567 8", "Rupay ", "network_logo_rupay"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id + " in flow " + std::to_string(static_cast<int>(c.flow)));
        session()->setActiveSessionType(c.flow);
        auto made = row(merchantModel(c.id));
        EXPECT_EQ(made->itemTitleLbl()->text(), c.title);
        EXPECT_EQ(made->itemDescriptionLbl()->text(), c.description);
        EXPECT_EQ(made->cardImage(), c.image);
    }
}

TEST_F(ItemDetailTest, NamedFlowsShowNameAndSecondLine)
{
    // Refund: the cardholder's name over the card text, with initials in a grey circle.
    session()->setActiveSessionType(TavroActiveFlow::refundPayment);
    auto holder = model("Anna Maria Lopez");
    holder->setMerchantCity("Visa ...4242");
    auto refund = row(holder);
    EXPECT_EQ(refund->itemTitleLbl()->text(), "Anna Maria Lopez");
    EXPECT_EQ(refund->itemDescriptionLbl()->text(), "Visa ...4242");
    EXPECT_EQ(refund->name(), "Anna Maria Lopez");
    EXPECT_EQ(refund->circleView()->initialsLabel()->text(), "AM");
    ASSERT_TRUE(refund->imageView()->image()); // its pixels are checked by the gallery

    // A second model replaces what it has and keeps the rest.
    refund->setCellObject(model("Ravi Kumar"));
    EXPECT_EQ(refund->itemTitleLbl()->text(), "Ravi Kumar");
    EXPECT_EQ(refund->itemDescriptionLbl()->text(), "Visa ...4242");
    refund->setCellObject(nullptr);
    EXPECT_EQ(refund->itemTitleLbl()->text(), "Ravi Kumar");

    // Paying a friend: the model's title over its value; a scanned code reads like a refund.
    session()->setActiveSessionType(TavroActiveFlow::payFriend);
    auto friendModel = model();
    friendModel->setTitleName("Asha Rao");
    friendModel->setValue("Lunch");
    auto paid = row(friendModel);
    EXPECT_EQ(paid->itemTitleLbl()->text(), "Asha Rao");
    EXPECT_EQ(paid->itemDescriptionLbl()->text(), "Lunch");

    session()->setActiveSessionType(TavroActiveFlow::payMerchant);
    session()->setIsScanned(true);
    auto scanned = row(holder);
    EXPECT_EQ(scanned->itemTitleLbl()->text(), "Anna Maria Lopez");
    EXPECT_EQ(scanned->itemDescriptionLbl()->text(), "Visa ...4242");
}

TEST_F(ItemDetailTest, AliasFlowNameOrNothing)
{
    session()->setActiveSessionType(TavroActiveFlow::payMerchantAlias);
    auto shop = row(model("Corner Shop", "5100")); // the name wins
    EXPECT_EQ(shop->itemTitleLbl()->text(), "Corner Shop");
    EXPECT_EQ(shop->itemDescriptionLbl()->text(), "");
    EXPECT_EQ(shop->cardImage(), "network_logo_tavro");

    // Neither name nor ID: the title empties, everything else stays.
    shop->setCellObject(model());
    EXPECT_EQ(shop->itemTitleLbl()->text(), "");
    EXPECT_EQ(shop->itemDescriptionLbl()->text(), "");
    EXPECT_EQ(shop->name(), "Corner Shop");
    EXPECT_EQ(shop->cardImage(), "network_logo_tavro");

    // Other flows without an ID change nothing.
    session()->setActiveSessionType(TavroActiveFlow::requestPayment);
    auto untouched = row(merchantModel("4111"));
    untouched->setCellObject(model());
    EXPECT_EQ(untouched->itemTitleLbl()->text(), "4111");
}
