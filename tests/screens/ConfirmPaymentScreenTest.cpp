// The confirm screen's own behaviour: the card it shows, the header collapsing with the form and
// the focused row kept clear of the keyboard.

#include "Common/CellView/CardListTestSupport.h"
#include "core/SessionTestFixture.h"

#include "TavroMerchantSDK/Common/CellView/TAVROFXAmountCellView.h"
#include "TavroMerchantSDK/screens/ChangeCardTableViewController.h"
#include "TavroMerchantSDK/screens/TAVROConfirmPaymentViewController.h"
#include "TavroMerchantSDK/screens/TavroMerchantNavigationController.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/UIKeyboardNotifications.h"

using namespace sessiontest;
using tavro::CellType;
using tavro::TAVROConfirmPaymentViewController;
using Text = std::optional<std::string>;

namespace {

class ConfirmPaymentScreenTest : public SessionTest {
protected:
    // A confirm screen for the refund flow holding `cards`, with an amount row and the given number
    // of plain input rows below it, shown as the root of the framework's navigation controller.
    std::shared_ptr<TAVROConfirmPaymentViewController> show(std::vector<std::shared_ptr<tavro::TavroCardDetails>> cards,
                                                            int inputRows = 0)
    {
        session()->refundPaymentSession()->setRequest(validRefundRequest());
        session()->setActiveSessionType(TavroActiveFlow::refundPayment);
        auto screen = platform::NSObject::create<TAVROConfirmPaymentViewController>();
        screen->setCards(std::move(cards));
        screen->setScreenType(TavroActiveFlow::refundPayment);
        navigation = platform::NSObject::create<tavro::TavroMerchantNavigationController>(screen);
        window = platform::NSObject::create<platform::UIWindow>();
        window->setRootViewController(navigation);
        window->makeKeyAndVisible();
        std::vector<tavro::TAVROPaymentCellModelPtr> rows{
            platform::NSObject::create<tavro::TAVROPaymentCellModel>(CellType::paymentAmount, "Amount", "10")};
        for (int i = 0; i < inputRows; ++i)
            rows.push_back(
                platform::NSObject::create<tavro::TAVROPaymentCellModel>(CellType::billNumber, "Bill", std::nullopt));
        screen->scrollView()->prepareView(rows);
        driver.runUntilIdle();
        return screen;
    }
    static std::vector<std::shared_ptr<tavro::TavroCardDetails>> twoCards()
    {
        return {celltest::card("1111", "First Bank", "Rupay", "#1869d6"),
                celltest::card("2222", "Second Bank", "Master", "#DD3458")};
    }

    std::shared_ptr<tavro::TavroMerchantNavigationController> navigation;
    std::shared_ptr<platform::UIWindow> window;
};

} // namespace

TEST_F(ConfirmPaymentScreenTest, HeaderShowsTheChosenCardAndRefusesCardsItDoesNotHave)
{
    auto single = show({twoCards()[0]});
    EXPECT_EQ(single->title(), Text(tavro::StringConstants::CONFIRM_PAYMENT_TITLE()));
    EXPECT_TRUE(single->paymentHeader()->hideCardChangeButton());

    auto screen = show(twoCards());
    EXPECT_FALSE(screen->paymentHeader()->hideCardChangeButton());
    EXPECT_EQ(screen->cardIndex(), -1);
    screen->setCardIndex(1);
    EXPECT_EQ(screen->paymentHeader()->cardText(), "Second Bank Master card ending in 2222");

    for (long long wrong : {-1LL, 2LL, 99LL}) {
        platform::DebugLogCapture capture;
        screen->setCardIndex(wrong);
        screen->transactionCardChanged(wrong);
        EXPECT_EQ(capture.lines().size(), 2u) << wrong;
        EXPECT_EQ(screen->cardIndex(), 1);
        EXPECT_EQ(screen->paymentHeader()->cardText(), "Second Bank Master card ending in 2222");
    }

    // A card chosen in the list pushed above is shown and remembered, and the list goes.
    auto list = platform::NSObject::create<tavro::ChangeCardTableViewController>();
    list->setTransactionCardsList(screen->cards());
    list->setTransactionCardDelegate(screen);
    navigation->pushViewController(list, false); // animated all the same: the slide ends first
    driver.advanceBy(0.3);
    ASSERT_TRUE(driver.tap("CardCell0"));
    driver.advanceBy(0.5);
    EXPECT_EQ(navigation->topViewController(), screen);
    EXPECT_EQ(session()->cardIndex(), 0);
    EXPECT_EQ(screen->paymentHeader()->cardText(), "First Bank Rupay card ending in 1111");
}

TEST_F(ConfirmPaymentScreenTest, HeaderCollapsesLinearlyWithTheFormsOffset)
{
    auto screen = show(twoCards(), 8);
    const auto& form = screen->scrollView();
    const double top = screen->scrollViewTopConstraint()->constant();
    const double travel = screen->headerHeight();
    ASSERT_GT(travel, 0);
    EXPECT_EQ(top + travel, screen->paymentHeaderHeight());

    form->setContentOffset({0, -20});
    EXPECT_EQ(screen->headerHeightConstraint()->constant(), 130);
    form->setContentOffset({0, travel / 4});
    EXPECT_DOUBLE_EQ(screen->headerHeightConstraint()->constant(), top + travel * 0.75);
    EXPECT_DOUBLE_EQ(screen->paymentHeader()->frame().height(), top + travel * 0.75);
    form->setContentOffset({0, travel * 3});
    EXPECT_EQ(screen->headerHeightConstraint()->constant(), top);
}

TEST_F(ConfirmPaymentScreenTest, FocusedRowsScrollClearOfTheKeyboardAndStayWhenItHides)
{
    auto screen = show(twoCards(), 8);
    const auto& form = screen->scrollView();

    // The amount row near the top is clear of the keyboard: no scroll.
    ASSERT_TRUE(driver.focus(form->amountCellView()->inputTextField()));
    driver.runUntilIdle();
    EXPECT_EQ(screen->touchedCellType(), CellType::paymentAmount);
    EXPECT_EQ(form->contentOffset().y, 0);
    driver.pressDone();
    driver.runUntilIdle();

    // Keyboard notifications without their frames change nothing.
    {
        platform::DebugLogCapture capture;
        platform::NotificationCenter::defaultCenter().post(platform::UIKeyboardWillShowNotification);
        platform::NotificationCenter::defaultCenter().post(platform::UIKeyboardWillHideNotification);
        EXPECT_TRUE(capture.contains("without its end frame"));
        EXPECT_TRUE(capture.contains("without its begin frame"));
        EXPECT_EQ(form->contentOffset().y, 0);
    }

    // A text row under the keyboard comes up by what hides it (115 when that is under 65 while the
    // header is expanded); hiding the keyboard in the refund flow leaves it there.
    std::shared_ptr<platform::UITextField> low;
    for (const auto& row : form->subviews())
        if (auto input = std::dynamic_pointer_cast<tavro::TAVROCellView>(row); input && row->frame().minY() > 400)
            low = input->inputTextField();
    ASSERT_TRUE(low);
    const auto rowFrame = screen->view()->convertFrom(low->superview()->frame(), low->superview()->superview());
    const double keyboard = 260;
    const double hidden = rowFrame.maxY() - (screen->view()->bounds().height() - keyboard);
    ASSERT_GT(hidden, 0);
    const double expected = hidden < 65 ? 115 : hidden;
    screen->touchedTextField(CellType::billNumber, low);
    platform::AnyValue::Dictionary info{
        {platform::UIKeyboardFrameEndUserInfoKey, platform::userInfoValue({0, 407, 375, keyboard})},
        {platform::UIKeyboardFrameBeginUserInfoKey, platform::userInfoValue({0, 667, 375, keyboard})}};
    platform::NotificationCenter::defaultCenter().post(platform::UIKeyboardWillShowNotification, nullptr, info);
    driver.advanceBy(0.5);
    EXPECT_DOUBLE_EQ(form->contentOffset().y, expected);
    platform::NotificationCenter::defaultCenter().post(platform::UIKeyboardWillHideNotification, nullptr, info);
    driver.advanceBy(0.5);
    EXPECT_DOUBLE_EQ(form->contentOffset().y, expected);

    // Pay while a row is typed: the row's editing ends first, so no later key re-titles the button.
    ASSERT_TRUE(form->amountCellView()->inputTextField()->becomeFirstResponder());
    screen->payButtonPressed();
    const auto title = screen->payButton()->title(platform::UIControlState::normal);
    EXPECT_EQ(driver.type("5"), 0u);
    EXPECT_EQ(screen->payButton()->title(platform::UIControlState::normal), title);
}
