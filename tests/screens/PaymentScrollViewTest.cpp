#include "screens/PaymentFormTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/TAVROButtonCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROInputCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROSwitchCellView.h"
#include "TavroMerchantSDK/Common/ConfirmPayment/View/TAVROCurrencySelectionView.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "TavroMerchantSDK/Common/CellView/TAVROFXAmountCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROFXDropDownCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROSummaryCellView.h"

using namespace formtest;
using tavro::TavroActiveFlow;

namespace {

template <class T>
std::shared_ptr<T> rowAt(const TAVROPaymentScrollView& form, std::size_t index)
{
    return index < form.subviews().size() ? std::dynamic_pointer_cast<T>(form.subviews()[index]) : nullptr;
}

} // namespace

TEST_F(PaymentFormTest, RowKindsAndHeightsFollowTheFlow)
{
    auto form =
        buildForm(TavroActiveFlow::requestPayment,
                  {model(CellType::none), model(CellType::resetButton, "Reset"), model(CellType::billNumber),
                   model(CellType::mobileNumber, "***"), model(CellType::storeID, "S-12"), model(CellType::summary)});
    ASSERT_EQ(form->subviews().size(), 4u);
    EXPECT_EQ(rowAt<tavro::TAVROButtonCellView>(*form, 0)->frame(), CGRect(0, 0, 375, 62));

    auto closed = form->switchCell(CellType::billNumber);
    EXPECT_EQ(closed->frame(), CGRect(0, 62, 375, 72));
    EXPECT_FALSE(closed->rightSwitch()->isOn());
    EXPECT_TRUE(closed->inputCell()->isHidden());
    EXPECT_TRUE(closed->msgBG()->isHidden());
    EXPECT_EQ(closed->rightSwitch()->accessibilityIdentifier(), std::optional<std::string>("billNumberSwitch"));
    EXPECT_EQ(closed->inputCell()->inputTextField()->accessibilityIdentifier(),
              std::optional<std::string>("billNumberTextField"));

    // "***": switched on with an empty field; a value: switched on and shown.
    auto customer = form->switchCell(CellType::mobileNumber);
    EXPECT_EQ(customer->frame(), CGRect(0, 134, 375, 212));
    EXPECT_TRUE(customer->rightSwitch()->isOn());
    EXPECT_FALSE(customer->inputCell()->isHidden());
    EXPECT_EQ(customer->inputCell()->inputTextField()->text(), std::optional<std::string>(""));
    EXPECT_EQ(form->switchCell(CellType::storeID)->inputCell()->inputTextField()->text(),
              std::optional<std::string>("S-12"));

    // No summary row in the request flow.
    EXPECT_EQ(form->sContentSize(), (platform::CGSize{375, 558}));
    EXPECT_EQ(form->contentSize(), form->sContentSize());

    // The same optional field outside the request flow is a plain 70-point input row; no reset row.
    auto refund = buildForm(TavroActiveFlow::refundPayment,
                            {model(CellType::resetButton, "Reset"), model(CellType::billNumber, "***")});
    ASSERT_EQ(refund->subviews().size(), 1u);
    EXPECT_EQ(rowAt<tavro::TAVROInputCellView>(*refund, 0)->frame().height(), 70);
    EXPECT_FALSE(refund->switchCell(CellType::billNumber));

    auto empty = buildForm(TavroActiveFlow::refundPayment, {model(CellType::none), model(CellType::none)});
    EXPECT_TRUE(empty->subviews().empty());
    EXPECT_TRUE(empty->constraints().empty());
    EXPECT_FALSE(empty->lastView());
}

TEST_F(PaymentFormTest, AdditionalDataLimitDimsClosedRowsAtNinetyNineAndRefusesAtAHundred)
{
    // Sub-entries of 29 + 29 + 29 characters, then one of 12 (99 in all) or 13 (100).
    auto request = sessiontest::validPaymentRequest();
    request->setBillID(std::string(25, 'b'));
    request->setMobileNumber(std::string(25, 'm'));
    request->setStoreID(std::string(25, 's'));
    request->setLoyaltyNumber(std::string(8, 'l'));
    session()->requestPaymentSession()->setRequest(request);
    auto full =
        buildForm(TavroActiveFlow::requestPayment, {model(CellType::billNumber, "x"), model(CellType::terminalID)});
    owner->buttonCalls.clear();
    full->setAdditionalRequest(request->clone());
    full->checkAdditionalDataLimit();
    EXPECT_EQ(owner->buttonCalls, std::vector<std::string>{"enable"});
    EXPECT_TRUE(owner->messages.empty());
    auto closed = full->switchCell(CellType::terminalID);
    EXPECT_EQ(closed->leftLabel()->alpha(), 0.4);
    EXPECT_FALSE(closed->rightSwitch()->isUserInteractionEnabled());
    EXPECT_EQ(full->switchCell(CellType::billNumber)->leftLabel()->alpha(), 1); // on: left alone

    // One character more: the owner hears the message and disables its button; every answer is no.
    owner->buttonCalls.clear();
    EXPECT_FALSE(full->isVaildData(*full->switchCell(CellType::terminalID)->inputCell(), std::string("T")));
    ASSERT_EQ(owner->messages.size(), 1u);
    EXPECT_EQ(owner->messages[0], tavro::StringConstants::ADDITIONAL_LIMIT_GSM_ERROR());
    EXPECT_EQ(owner->buttonCalls, std::vector<std::string>{"disable"});
    EXPECT_EQ(owner->asked, 0);

    // Back at 99: enabled again, still full; at 98 the closed rows take touches again.
    EXPECT_TRUE(full->isVaildData(*full->switchCell(CellType::terminalID)->inputCell(), std::nullopt));
    EXPECT_EQ(owner->buttonCalls.back(), "enable");
    EXPECT_FALSE(closed->rightSwitch()->isUserInteractionEnabled());
    EXPECT_TRUE(full->isVaildData(*full->switchCell(CellType::billNumber)->inputCell(), std::string(24, 'b')));
    EXPECT_TRUE(closed->rightSwitch()->isUserInteractionEnabled());
    EXPECT_EQ(closed->leftLabel()->alpha(), 1);
    // An emptied row that is on is written as "***" and counts so: 7 + 29 + 29 + 12, then 23 is 100.
    EXPECT_TRUE(full->isVaildData(*full->switchCell(CellType::billNumber)->inputCell(), std::string()));
    EXPECT_FALSE(full->isVaildData(*closed->inputCell(), std::string(19, 't')));
}

TEST_F(PaymentFormTest, SwitchRowsOpenCloseAndResetThroughTheForm)
{
    auto billModel = model(CellType::billNumber);
    auto form = buildForm(TavroActiveFlow::requestPayment, {billModel, model(CellType::storeID)});
    platform::UIView::clearAnimationLog();

    ASSERT_TRUE(driver.toggleSwitch("billNumberSwitch"));
    EXPECT_EQ(form->additionalRequest()->billID(), std::optional<std::string>("***"));
    EXPECT_EQ(billModel->value(), std::optional<std::string>("***"));
    ASSERT_FALSE(platform::UIView::animationLog().empty());
    EXPECT_EQ(platform::UIView::animationLog().back().duration, 0.25);
    driver.advanceBy(0.3);
    auto row = form->switchCell(CellType::billNumber);
    EXPECT_EQ(row->frame().height(), 212);
    EXPECT_FALSE(row->inputCell()->isHidden());
    // The rows below moved down and the content grew with it.
    EXPECT_EQ(form->switchCell(CellType::storeID)->frame().minY(), 212);
    EXPECT_EQ(form->sContentSize().height, 284);
    EXPECT_EQ(owner->totals.back(), session()->totalPaymentAmount());

    // Typed text is stored as it comes; 25 characters pass to the owner, 26 are refused before it.
    ASSERT_TRUE(driver.focus(driver.find("billNumberTextField")));
    driver.type(std::string(25, '7'));
    const int asked = owner->asked;
    driver.type("7");
    EXPECT_EQ(form->additionalRequest()->billID(), std::optional<std::string>(std::string(26, '7')));
    EXPECT_EQ(owner->asked, asked);
    EXPECT_FALSE(form->switchCell(CellType::billNumber)->inputCell()->isVaildCell());

    ASSERT_TRUE(driver.toggleSwitch("billNumberSwitch"));
    driver.advanceBy(0.3);
    EXPECT_FALSE(form->additionalRequest()->billID());
    EXPECT_EQ(row->frame().height(), 72);

    // The request flow's reset: every row off, closed and empty.
    ASSERT_TRUE(driver.toggleSwitch("storeIDSwitch"));
    driver.focus(driver.find("storeIDTextField"));
    driver.type("S1");
    form->updateSummary();
    driver.advanceBy(0.3);
    for (auto type : {CellType::billNumber, CellType::storeID}) {
        auto reset = form->switchCell(type);
        EXPECT_FALSE(reset->rightSwitch()->isOn());
        EXPECT_EQ(reset->frame().height(), 72);
        EXPECT_EQ(reset->inputCell()->inputTextField()->text(), std::optional<std::string>(""));
        EXPECT_TRUE(reset->inputCell()->isVaildCell());
    }
    EXPECT_FALSE(driver.focusedTextField());
}

TEST_F(PaymentFormTest, OtherFlowsKeepModelsAndRelayTotalsAndTheCurrencyPicker)
{
    auto amount = model(CellType::billNumber);
    auto form = buildForm(TavroActiveFlow::refundPayment, {amount});
    EXPECT_EQ(form->subviews()[0]->frame(), CGRect(0, 75, 375, 70)); // below half the header, plus 10
    session()->setTotalPaymentAmount("42.0");
    form->cellViewType(CellType::billNumber, std::nullopt, true);
    EXPECT_EQ(amount->value(), std::optional<std::string>(""));
    EXPECT_EQ(owner->totals, std::vector<std::string>{"42.0"});
    // Without an owner a field is neither judged nor stored.
    form->setPaymentDelegate({});
    EXPECT_TRUE(
        form->isVaildData(*std::dynamic_pointer_cast<tavro::TAVROCellView>(form->subviews()[0]), std::string(40, 'x')));
    EXPECT_FALSE(form->additionalRequest()->billID());
    form->setPaymentDelegate(owner);

    // The picker lives in the framework's window; a second toggle closes it with the active code.
    const auto& sdkWindow = session()->sdkWindow();
    form->toggleCurrencyListView();
    auto picker = std::dynamic_pointer_cast<tavro::TAVROCurrencySelectionView>(
        sdkWindow->viewWithTag(TAVROPaymentScrollView::currencyPickerTag));
    ASSERT_TRUE(picker);
    form->toggleCurrencyListView();
    driver.advanceBy(0.3);
    EXPECT_FALSE(picker->superview());
    EXPECT_EQ(owner->currencies, std::vector<std::string>{session()->activeCurrencyCode()});
    form->toggleCurrencyListView();
    EXPECT_NE(sdkWindow->viewWithTag(TAVROPaymentScrollView::currencyPickerTag), picker);
    form->toggleCurrencyListView();
    driver.advanceBy(0.3);
    EXPECT_FALSE(sdkWindow->viewWithTag(TAVROPaymentScrollView::currencyPickerTag));
    form->didCloseSelectionView("840");
    EXPECT_EQ(owner->currencies.back(), "840");
}

TEST_F(PaymentFormTest, AmountSummaryAndDetailRowsFollowTheFlow)
{
    // Locked currency: the drop-down is 88 wide at the right edge; an empty amount becomes "0".
    auto amount = model(CellType::paymentAmount, std::string(""), std::string("Request Amount"));
    auto form = buildForm(TavroActiveFlow::requestPayment, {amount, model(CellType::summary)});
    ASSERT_EQ(form->subviews().size(), 1u);
    EXPECT_EQ(form->subviews()[0]->frame(), CGRect(0, 0, 375, 98));
    EXPECT_EQ(form->currencyDropDownCell()->frame().minX(), 375 - 88);
    EXPECT_EQ(amount->value(), std::optional<std::string>("0"));
    EXPECT_EQ(tavro::Utilities::amountFromLocalizedText(form->amountCellView()->inputTextField()->text(), "356"), 0);
    EXPECT_FALSE(form->summaryCellView());

    // Unlocked: 108 wide; a typed amount lands in the model.
    auto open = NSObject::create<TAVROPaymentScrollView>(CGRect(0, 0, 375, 500));
    open->setIsCurrencyLocked(false);
    open->setScreenType(TavroActiveFlow::requestPayment);
    open->prepareView(std::vector{model(CellType::paymentAmount, std::string("12.5"))});
    EXPECT_EQ(open->currencyDropDownCell()->frame().width(), 108);
    EXPECT_EQ(tavro::Utilities::amountFromLocalizedText(open->amountCellView()->inputTextField()->text(), "356"), 12.5);

    // Refund: detail row on top (70 with "...", 91 without), then a 126-point summary.
    auto refund = buildForm(TavroActiveFlow::refundPayment,
                            {model(CellType::merchantDetail, std::string("Jane Doe")), model(CellType::summary)}, 0);
    ASSERT_EQ(refund->subviews().size(), 2u);
    EXPECT_EQ(refund->subviews()[0]->frame(), CGRect(0, 10, 375, 91));
    EXPECT_EQ(refund->summaryCellView()->frame(), CGRect(0, 101, 375, 126));
    auto shortDetail =
        buildForm(TavroActiveFlow::refundPayment, {model(CellType::merchantDetail, std::string("Ja..."))});
    EXPECT_EQ(shortDetail->subviews()[0]->frame().height(), 70);

    // Withdraw cash: a fee of "0" leaves the summary out, the default fee keeps an 80-point one.
    for (const char* serviceFee : {"0", "0.0"}) {
        auto form = NSObject::create<TAVROPaymentScrollView>(CGRect(0, 0, 375, 500));
        form->setScreenType(TavroActiveFlow::withdrawCash);
        form->setServiceFee(serviceFee);
        form->prepareView(std::vector{model(CellType::summary)});
        EXPECT_EQ(form->subviews().empty() ? 0 : form->summaryCellView()->frame().height(),
                  std::string(serviceFee) == "0" ? 0 : 80);
    }
}
