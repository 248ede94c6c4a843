// The summary row: the refund lines and their updates, the pay and withdraw totals, the message
// of the flows without totals, and a second model replacing the first.

#include "Common/CellView/CellTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/TAVROSummaryCellView.h"
#include "platform/foundation/AttributedStringAttributes.h"

using namespace celltest;
using tavro::TAVROPaymentCellModel;
using tavro::TAVROSummaryCellView;

namespace {

class SummaryCellTest : public CellTest {
protected:
    void useFlow(TavroActiveFlow flow)
    {
        session()->refundPaymentSession()->request()->setCurrencyCode("356");
        session()->setActiveSessionType(flow);
    }

    std::shared_ptr<TAVROSummaryCellView> makeRow(TavroActiveFlow layout, const std::optional<std::string>& value,
                                                  double width = 320)
    {
        auto row = NSObject::create<TAVROSummaryCellView>(CGRect(0, 0, width, 128));
        row->setCellType(layout);
        row->setCellObject(model(value));
        return row;
    }

    static tavro::TAVROPaymentCellModelPtr model(const std::optional<std::string>& value)
    {
        return NSObject::create<TAVROPaymentCellModel>(CellType::summary, std::nullopt, value);
    }

    static std::string text(const std::shared_ptr<platform::UILabel>& label)
    {
        return label->text().value_or("(none)");
    }

    static bool underlined(const platform::UILabel& label)
    {
        const auto attributed = label.attributedText();
        return attributed && attributed->length() > 0 &&
               attributed->attribute(platform::NSAttributedStringKey::underlineStyle, 0).has_value();
    }
};

} // namespace

TEST_F(SummaryCellTest, RefundLines)
{
    useFlow(TavroActiveFlow::refundPayment);
    auto row = makeRow(TavroActiveFlow::refundPayment, "100");
    EXPECT_EQ(text(row->topLeftLabel()), "Original Transaction");
    EXPECT_EQ(text(row->topRightLabel()), "INR 100.00");
    EXPECT_EQ(text(row->middleLeftLabel()), "Refund Amount");
    EXPECT_EQ(text(row->middleRightLabel()), "- INR 100.00");
    EXPECT_EQ(text(row->bottomLeftLabel()), "Total After Refund");
    EXPECT_EQ(text(row->bottomRightLabel()), "INR 0.00");
    EXPECT_TRUE(underlined(*row->bottomRightLabel()));

    // Lines at 16, 48 and 80; line 2's caption column 20 wider, its amount 20 narrower.
    const std::vector<std::pair<std::shared_ptr<platform::UILabel>, CGRect>> frames = {
        {row->topLeftLabel(), {16, 16, 144, 16}},    {row->topRightLabel(), {160, 16, 144, 16}},
        {row->middleLeftLabel(), {16, 48, 164, 16}}, {row->middleRightLabel(), {180, 48, 124, 16}},
        {row->bottomLeftLabel(), {16, 80, 144, 16}}, {row->bottomRightLabel(), {160, 80, 144, 16}},
    };
    auto window = show(row);
    for (const auto& [label, frame] : frames)
        EXPECT_EQ(label->frame(), frame) << text(label);

    const std::vector<std::tuple<double, std::string, std::string>> updates = {
        {40, "- INR 40.00", "INR 60.00"}, {0, "- INR 0.00", "INR 100.00"}, {120, "- INR 120.00", "INR -20.00"}};
    for (const auto& [refund, line2, line3] : updates) {
        row->updateCellWithAmount(refund, 100);
        EXPECT_EQ(text(row->middleRightLabel()), line2);
        EXPECT_EQ(text(row->bottomRightLabel()), line3);
        EXPECT_TRUE(underlined(*row->bottomRightLabel()));
    }

    // A second model rebuilds the grid in place; a value that is no number counts as 0.
    for (const auto& value : std::vector<std::optional<std::string>>{"abc", std::nullopt, "1e400"}) {
        row->setCellObject(model(value));
        EXPECT_EQ(row->subviews().size(), 6u);
        EXPECT_EQ(text(row->topRightLabel()), "INR 0.00");
    }
    row->setCellObject(nullptr);
    EXPECT_EQ(row->subviews().size(), 6u);
    EXPECT_EQ(text(row->middleRightLabel()), "- INR 0.00");
}

TEST_F(SummaryCellTest, FlowsWithoutTotalsShowOneEmptyMessage)
{
    for (auto flow : {TavroActiveFlow::requestPayment, TavroActiveFlow::none}) {
        useFlow(flow);
        auto row = makeRow(flow, "100");
        ASSERT_EQ(row->subviews().size(), 1u);
        ASSERT_TRUE(row->bottomCenterMsgLabel());
        EXPECT_EQ(row->bottomCenterMsgLabel()->frame(), CGRect(16, 16, 288, 96));
        EXPECT_FALSE(row->bottomCenterMsgLabel()->text() && !row->bottomCenterMsgLabel()->text()->empty());
    }
    // A row laid out for refunds and then filled in the request flow keeps no stale grid.
    useFlow(TavroActiveFlow::refundPayment);
    auto row = makeRow(TavroActiveFlow::refundPayment, "100");
    useFlow(TavroActiveFlow::requestPayment);
    row->setCellObject(model("100"));
    EXPECT_EQ(row->subviews().size(), 1u);
}

TEST_F(SummaryCellTest, PayAndWithdrawTotals)
{
    useFlow(TavroActiveFlow::payMerchant);
    auto row = makeRow(TavroActiveFlow::payMerchant, std::nullopt, 375);
    EXPECT_EQ(text(row->topLeftLabel()), "Additional Amount");
    EXPECT_EQ(text(row->middleLeftLabel()), "Total Amount");
    EXPECT_EQ(row->updateCellWith("1000", "150", "356"), std::optional<std::string>("INR 11.50"));
    EXPECT_EQ(text(row->topRightLabel()), "INR 1.50");
    EXPECT_TRUE(underlined(*row->middleRightLabel()));
    EXPECT_EQ(session()->totalPaymentAmount(), "11.50");

    // The convenience-fee caption: a percentage without an amount; an unreadable one counts as 0.
    auto fee = model(std::nullopt);
    fee->setConvenienceFeePercentage("2.5");
    row->setCellObject(fee);
    EXPECT_EQ(text(row->topLeftLabel()), "2.5% Additional Amount");
    fee->setConvenienceFeePercentage("lots");
    row->setCellObject(fee);
    EXPECT_EQ(text(row->topLeftLabel()), "0% Additional Amount");
    fee->setConvenienceFeeAmount("3");
    row->setCellObject(fee);
    EXPECT_EQ(text(row->topLeftLabel()), "Additional Amount");

    // The message names the merchant for the network too; without a name the other template.
    auto named = model(std::nullopt);
    named->setMerchantName("Asha Stores");
    row->setCellObject(named);
    row->addBottomMsgLabel(true);
    EXPECT_EQ(text(row->bottomCenterMsgLabel()),
              "By paying, you share your Address Mobile Number Email with Asha Stores through Asha Stores.");
    row->setCellObject(model(std::nullopt));
    row->addBottomMsgLabel(false);
    EXPECT_EQ(text(row->bottomCenterMsgLabel()),
              "By paying, you share your Address Mobile Number Email with the merchant.");
    EXPECT_EQ(row->bottomCenterMsgLabel()->frame().origin.y, 80);

    // Other flows add a tenth of the amount; the refund row shows it on line 1.
    useFlow(TavroActiveFlow::refundPayment);
    auto refund = makeRow(TavroActiveFlow::refundPayment, "100");
    EXPECT_EQ(refund->updateCellWith("1000", "150", "356"), std::optional<std::string>("INR 2.50"));
    EXPECT_EQ(text(refund->topRightLabel()), "INR 1.00");

    // Withdraw: the fee is read back from its formatted text, grouping and all.
    useFlow(TavroActiveFlow::withdrawCash);
    session()->setServiceFee("1234.5");
    auto withdraw = makeRow(TavroActiveFlow::withdrawCash, std::nullopt, 375);
    EXPECT_EQ(text(withdraw->topRightLabel()), "INR 1,234.50");
    EXPECT_EQ(withdraw->updateCellWith("1000", std::nullopt, "840"), std::optional<std::string>("INR 1,244.50"));
    session()->setServiceFee("n/a");
    withdraw->setCellObject(model(std::nullopt));
    EXPECT_EQ(text(withdraw->topRightLabel()), "INR 0.00");
    EXPECT_EQ(withdraw->updateCellWith("1000", std::nullopt, "356"), std::optional<std::string>("INR 10.00"));
    session()->setServiceFee("0");
}
