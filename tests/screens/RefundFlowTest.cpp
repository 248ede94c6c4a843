// The refund flow as a merchant walks it, through the UI driver on the manual clock.

#include "core/SessionTestFixture.h"

#include "TavroMerchantSDK/Common/CellView/TAVROFXAmountCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROItemDetailCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROSummaryCellView.h"
#include "TavroMerchantSDK/controls/TAVROCircleNameImageView.h"
#include "TavroMerchantSDK/screens/TAVRORefundPaymentViewController.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/TextReplacing.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "TavroMerchantSDK/support/base/ISOCountryCodes.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Text.h"
#include "platform/ui/UIAlertController.h"
#include "platform/ui/UIKeyboard.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UINavigationController.h"
#include "LeakCycles.h"

#include <array>
#include <deque>
#include <random>
#include <utility>

using namespace sessiontest;
using tavro::TAVRORefundPaymentViewController;
using tavro::TavroMerchantSDK;
using Text = std::optional<std::string>;

namespace {

std::shared_ptr<tavro::TavroRefundPaymentRequest> janeDoe(std::string amount = "100")
{
    return platform::NSObject::create<tavro::TavroRefundPaymentRequest>("1234", "Jane Doe", "356", std::move(amount));
}

class RefundFlowTest : public SessionTest {
protected:
    std::shared_ptr<TAVRORefundPaymentViewController> launch(std::shared_ptr<tavro::TavroRefundPaymentRequest> request)
    {
        TavroMerchantSDK::launchRefundPaymentFlow(std::move(request), recordInto(results));
        return shown();
    }
    std::shared_ptr<TAVRORefundPaymentViewController> shown()
    {
        finishSlide();
        driver.runUntilIdle();
        auto navigation =
            std::dynamic_pointer_cast<platform::UINavigationController>(session()->sdkWindow()->rootViewController());
        return navigation ? std::dynamic_pointer_cast<TAVRORefundPaymentViewController>(navigation->topViewController())
                          : nullptr;
    }
    static const std::shared_ptr<platform::UITextField>& amountField(const TAVRORefundPaymentViewController& screen)
    {
        return screen.scrollView()->amountCellView()->inputTextField();
    }
    // The amount part of the field ("INR 25.00" -> "25.00").
    static std::string shownAmount(const TAVRORefundPaymentViewController& screen)
    {
        const std::string text = amountField(screen)->text();
        return text.substr(text.find(' ') + 1);
    }
    static std::shared_ptr<tavro::TAVROItemDetailCellView> detailRow(const TAVRORefundPaymentViewController& screen)
    {
        for (const auto& row : screen.scrollView()->subviews())
            if (auto detail = std::dynamic_pointer_cast<tavro::TAVROItemDetailCellView>(row))
                return detail;
        return nullptr;
    }
    // Clears the field, then types or pastes `digits`; with a caret, pastes them there after a typed 5.
    void typeAmount(const TAVRORefundPaymentViewController& screen, std::string_view digits, bool pasted = false,
                    int caret = -1)
    {
        const auto& field = amountField(screen);
        ASSERT_TRUE(driver.focus(field));
        field->userSelect({field->text().size(), 0}); // a refused paste left the caret where it was
        driver.backspace(12);
        if (caret >= 0) {
            driver.type("5");
            field->userSelect({static_cast<std::size_t>(caret), 0});
        }
        pasted ? driver.paste(digits) : driver.type(digits);
    }
    bool payAndContinue()
    {
        return driver.tap("PAY_BUTTON") && driver.tapAlertAction(tavro::StringConstants::TAVRO_CONTINUE());
    }
    static Text confirmation(const std::string& value)
    {
        const auto message = tavro::StringConstants::CONFIRM_REFUND_MESSAGE();
        return tavro::replacingOccurrences(tavro::replacingOccurrences(message, "[%name]", "Jane Doe"), "[%value]",
                                           value);
    }

    std::vector<Result> results;
};

} // namespace

TEST_F(RefundFlowTest, MerchantChangesTheAmountConfirmsAndTheHostHearsItOnce)
{
    auto screen = launch(janeDoe());
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->title(), Text(tavro::StringConstants::REVIEW_PAYMENT_REFUND_TITLE()));
    EXPECT_TRUE(screen->paymentHeader()->isHidden());
    auto detail = detailRow(*screen);
    ASSERT_TRUE(detail);
    EXPECT_EQ(detail->itemTitleLbl()->text(), Text("Jane Doe"));
    EXPECT_EQ(detail->circleView()->initialsLabel()->text(), Text("JD"));
    EXPECT_EQ(detail->itemDescriptionLbl()->text(), Text("Kora ...1234"));
    EXPECT_EQ(shownAmount(*screen), "100.00");
    const auto& pay = screen->payButton();
    EXPECT_TRUE(pay->isEnabled());
    EXPECT_EQ(pay->title(platform::UIControlState::normal),
              Text(tavro::Utilities::localizedAmountString("Refund", std::string("100.00"), std::string("INR"))));

    // Drawn: the pay button in the configured action colour, the amount row on its grey plate.
    auto image = driver.render(session()->sdkWindow());
    ASSERT_TRUE(image);
    auto pixel = [&image](const platform::UIViewPtr& view) {
        const auto at = view->convert(platform::CGPoint{4, 4}, nullptr);
        return image->pixelAt(static_cast<int>(at.x * image->scale()), static_cast<int>(at.y * image->scale()));
    };
    double r = 0, g = 0, b = 0, a = 0;
    session()->internalConfiguration()->actionButtonColor()->getRed(&r, &g, &b, &a);
    const auto button = pixel(pay);
    EXPECT_NEAR(button.r, r * 255, 1);
    EXPECT_NEAR(button.g, g * 255, 1);
    EXPECT_NEAR(button.b, b * 255, 1);
    EXPECT_EQ(pixel(screen->scrollView()->amountCellView()), (platform::RGBA8{0xF2, 0xF4, 0xF8, 0xFF}));
    driver.writePNG(session()->sdkWindow(), "refund-screen");

    // Every digit gone: nothing to refund.
    ASSERT_TRUE(driver.focus(amountField(*screen)));
    driver.backspace(12);
    EXPECT_FALSE(pay->isEnabled());
    EXPECT_EQ(pay->title(platform::UIControlState::normal),
              Text(platform::text::toUpper(tavro::StringConstants::REVIEW_PAYMENT_REFUND_TITLE())));
    driver.type("2500");
    EXPECT_EQ(shownAmount(*screen), "25.00");
    EXPECT_EQ(tavro::Utilities::amountFromLocalizedText(shownAmount(*screen), "356"), 25.0);
    const auto& summary = screen->scrollView()->summaryCellView();
    EXPECT_EQ(summary->middleRightLabel()->text(), Text("- INR 25.00"));
    const auto total = summary->bottomRightLabel()->text().value_or("");
    EXPECT_EQ(tavro::Utilities::amountFromLocalizedText(total.substr(total.find(' ') + 1), "356"), 75.0);
    EXPECT_TRUE(pay->isEnabled());
    driver.pressDone();

    // Cancel changes nothing.
    ASSERT_TRUE(driver.tap("PAY_BUTTON"));
    auto alert = driver.presentedAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), Text(tavro::StringConstants::CONFIRM_REFUND_TITLE()));
    EXPECT_EQ(alert->message(), confirmation("INR 25.00"));
    ASSERT_TRUE(driver.tapAlertAction(tavro::StringConstants::TAVRO_CANCEL()));
    EXPECT_TRUE(pay->isEnabled());
    EXPECT_TRUE(results.empty());
    EXPECT_EQ(session()->refundPaymentSession()->response()->refundAmount(), "25.00");

    ASSERT_TRUE(payAndContinue());
    ASSERT_EQ(results.size(), 1u);
    EXPECT_TRUE(results[0].successful);
    EXPECT_FALSE(results[0].error);
    auto response = std::static_pointer_cast<tavro::TavroRefundPaymentResponse>(results[0].response);
    ASSERT_TRUE(response);
    EXPECT_EQ(response->refundAmount(), "25.00");
    // Pending: spinner on the button, nothing takes touches, a second confirmation cannot happen.
    ASSERT_TRUE(screen->payActivityIndicator());
    EXPECT_TRUE(screen->payActivityIndicator()->isSpinning());
    EXPECT_EQ(screen->payActivityIndicator()->center(), pay->center());
    EXPECT_FALSE(pay->isEnabled());
    EXPECT_FALSE(screen->view()->isUserInteractionEnabled());
    const auto spinner = screen->payActivityIndicator();
    screen->showPendingOnPayButton();
    EXPECT_EQ(screen->payActivityIndicator(), spinner);
    driver.tap("PAY_BUTTON");
    screen->payButtonPressed();
    EXPECT_FALSE(driver.presentedAlert());
    EXPECT_EQ(results.size(), 1u);
    // The window stays up until the host ends the flow.
    EXPECT_NE(keyWindow(), host);

    driver.writePNG(session()->sdkWindow(), "refund-screen-pending");
}

// The host gets and keeps the amount the alert showed: PAY ends the editing, the alert holds the
// keyboard, and nothing typed after Continue reaches the response or the pay button.
TEST_F(RefundFlowTest, TheHostGetsAndKeepsTheAmountTheAlertShowed)
{
    // {typed before PAY, Cancel then erase a digit and PAY again, typed after Continue, amount confirmed}
    const std::tuple<const char*, bool, const char*, std::string> cases[] = {
        {"2500", false, "7", "25.00"},
        {"25", false, "00", "0.25"},
        {"2500", false, "0", "25.00"}, // 250.00 would disable PAY
        {"2500", true, "", "2.50"},
    };
    for (const auto& [before, cancel, after, amount] : cases) {
        SCOPED_TRACE(std::string(before) + (cancel ? " / Cancel / " : " / ") + after);
        results.clear();
        auto screen = launch(janeDoe());
        ASSERT_TRUE(screen);
        typeAmount(*screen, before);
        ASSERT_TRUE(driver.tap("PAY_BUTTON"));
        EXPECT_EQ(driver.backspace(1), 0u);
        if (cancel) {
            ASSERT_TRUE(driver.tapAlertAction(tavro::StringConstants::TAVRO_CANCEL()));
            EXPECT_FALSE(amountField(*screen)->isEditing());
            ASSERT_TRUE(driver.focus(amountField(*screen)));
            driver.backspace(1);
            ASSERT_TRUE(driver.tap("PAY_BUTTON"));
        }
        ASSERT_TRUE(driver.presentedAlert());
        EXPECT_EQ(driver.presentedAlert()->message(), confirmation("INR " + amount));
        ASSERT_TRUE(driver.tapAlertAction(tavro::StringConstants::TAVRO_CONTINUE()));
        ASSERT_EQ(results.size(), 1u);
        const auto response = std::static_pointer_cast<tavro::TavroRefundPaymentResponse>(results[0].response);
        EXPECT_EQ(response->refundAmount(), amount);
        const auto title = screen->payButton()->title(platform::UIControlState::normal);
        EXPECT_EQ(driver.type(after), 0u);
        EXPECT_EQ(response->refundAmount(), amount);
        EXPECT_FALSE(screen->payButton()->isEnabled());
        EXPECT_EQ(screen->payButton()->title(platform::UIControlState::normal), title);
        endFlow();
    }
}

// What changes while the amount is edited (the host's band growing, the screen turned to landscape
// and back): the amount field lies between the form's top and the band, also while turned; its row
// ends above the band; the form is not left scrolled past its top after Done and a drag; and the
// typed amount is refunded.
TEST_F(RefundFlowTest, TheAmountRowClearsTheBandWhateverChangesWhileUp)
{
    struct Case {
        double width, height, band;
        bool turned;
    };
    for (const auto& [width, height, band, turned] :
         {Case{414, 896, 216, true}, Case{375, 667, 216, true}, Case{375, 667, 440, false}}) {
        SCOPED_TRACE(testing::Message() << width << " x " << height << ", band " << band);
        platform::UIScreen::main()->setBounds({0, 0, width, height});
        auto screen = launch(janeDoe());
        ASSERT_TRUE(screen);
        typeAmount(*screen, "2500");
        const auto& form = screen->scrollView();
        const auto formTop = [&] { return form->convert(form->bounds(), nullptr).minY(); };
        const auto& input = amountField(*screen);
        if (turned) {
            platform::UIScreen::main()->setBounds({0, 0, height, width});
            driver.advanceBy(0.5);
            const auto field = input->convert(input->bounds(), nullptr);
            EXPECT_GE(field.minY(), formTop());
            EXPECT_LE(field.maxY(), width - band);
            platform::UIScreen::main()->setBounds({0, 0, width, height});
        } else {
            platform::UIKeyboard::shared().setHeight(band);
        }
        driver.advanceBy(0.5);
        const auto& row = form->amountCellView();
        const auto frame = row->convert(row->bounds(), nullptr);
        EXPECT_LE(frame.maxY(), height - band);
        EXPECT_GE(frame.minY(), formTop());
        driver.pressDone();
        driver.drag(form, {0, 200});
        driver.advanceBy(1);
        EXPECT_GE(form->contentOffset().y, form->minimumContentOffset().y);
        ASSERT_TRUE(payAndContinue());
        endFlow();
    }
    EXPECT_EQ(refundAmounts(results), (std::vector<std::string>{"25.00", "25.00", "25.00"}));
}

TEST_F(RefundFlowTest, DelegateEntryPointHearsTheSameResult)
{
    auto delegate = std::make_shared<RefundPaymentDelegate>();
    TavroMerchantSDK::launchRefundPaymnetFlow(janeDoe(), delegate);
    auto screen = shown();
    ASSERT_TRUE(screen);
    typeAmount(*screen, "2500");
    driver.pressDone();
    ASSERT_TRUE(payAndContinue());
    ASSERT_EQ(delegate->results.size(), 1u);
    EXPECT_TRUE(delegate->results[0].successful);
    EXPECT_EQ(
        std::static_pointer_cast<tavro::TavroRefundPaymentResponse>(delegate->results[0].response)->refundAmount(),
        "25.00");
}

TEST_F(RefundFlowTest, AmountsAboveTheRefundAreRefusedAndTheWholeRefundIsAccepted)
{
    auto screen = launch(janeDoe("1500"));
    ASSERT_TRUE(screen);
    const auto& pay = screen->payButton();
    const auto& summary = screen->scrollView()->summaryCellView();

    typeAmount(*screen, "150001");
    EXPECT_FALSE(pay->isEnabled());
    EXPECT_EQ(summary->middleRightLabel()->text(), Text("- INR 0.00"));

    // The whole refund, grouped on screen, reaches the host without grouping.
    typeAmount(*screen, "150000");
    EXPECT_TRUE(pay->isEnabled());
    EXPECT_EQ(
        tavro::Utilities::amountFromLocalizedText(summary->bottomRightLabel()->text().value_or("").substr(4), "356"),
        0.0);
    driver.pressDone();
    ASSERT_TRUE(driver.tap("PAY_BUTTON"));
    auto alert = driver.presentedAlert();
    ASSERT_TRUE(alert);
    EXPECT_NE(alert->message().value_or("").find("INR 1,500.00"), std::string::npos);
    ASSERT_TRUE(driver.tapAlertAction(tavro::StringConstants::TAVRO_CONTINUE()));
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(std::static_pointer_cast<tavro::TavroRefundPaymentResponse>(results[0].response)->refundAmount(),
              "1500.00");
}

TEST_F(RefundFlowTest, ADecimalCommaCurrencyReachesTheHostAsPlainDecimalText)
{
    auto screen =
        launch(platform::NSObject::create<tavro::TavroRefundPaymentRequest>("1234", "Jane Doe", "752", "2000"));
    ASSERT_TRUE(screen);
    typeAmount(*screen, "99");
    // Pasted, an amount in the currency's format replaces the typed one, cut to its minor unit;
    // one with a decimal point is no amount here.
    driver.paste("12.5");
    EXPECT_EQ(shownAmount(*screen), "0,99");
    driver.paste("1234,567");
    ASSERT_NE(shownAmount(*screen).find(','), std::string::npos) << shownAmount(*screen);
    driver.pressDone();
    ASSERT_TRUE(driver.tap("PAY_BUTTON"));
    ASSERT_TRUE(driver.tapAlertAction(tavro::StringConstants::TAVRO_CONTINUE()));
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(std::static_pointer_cast<tavro::TavroRefundPaymentResponse>(results[0].response)->refundAmount(),
              "1234.56");
}

TEST_F(RefundFlowTest, AResponseTheHostKeptNeverChangesAfterLaterLaunches)
{
    auto screen = launch(janeDoe());
    ASSERT_TRUE(screen);
    typeAmount(*screen, "2500");
    driver.pressDone();
    ASSERT_TRUE(payAndContinue());
    ASSERT_EQ(results.size(), 1u);
    const auto kept = std::static_pointer_cast<tavro::TavroRefundPaymentResponse>(results[0].response);
    ASSERT_TRUE(kept);
    endFlow();

    // A refused launch leaves the sub-session's response alone.
    const auto& flowSession = session()->refundPaymentSession();
    TavroMerchantSDK::launchRefundPaymentFlow(janeDoe("0"), recordInto(results));
    ASSERT_EQ(results.size(), 2u);
    EXPECT_FALSE(results[1].successful);
    EXPECT_EQ(flowSession->response(), kept);

    screen = launch(janeDoe());
    ASSERT_TRUE(screen);
    EXPECT_NE(flowSession->response(), kept);
    typeAmount(*screen, "8000");
    driver.pressDone();
    ASSERT_TRUE(payAndContinue());
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(kept->refundAmount(), "25.00");
}

TEST_F(RefundFlowTest, APressWithoutAStoredAmountUpToTheMaximumIsIgnored)
{
    auto screen = launch(janeDoe());
    ASSERT_TRUE(screen);
    for (const char* stored : {"", "0.00", "abc", "-5", "100.01"}) {
        session()->refundPaymentSession()->response()->setRefundAmount(stored);
        platform::DebugLogCapture capture;
        screen->payButtonPressed();
        EXPECT_FALSE(screen->presentedViewController()) << stored;
        EXPECT_TRUE(capture.contains("without a refund amount")) << stored;
    }
    EXPECT_TRUE(results.empty());
}

// A launch over a refund being edited or just confirmed: the screens it replaces finish first, in
// their own flow, so each host hears its own refund once, never above its own maximum.
TEST_F(RefundFlowTest, ALaunchOverARefundInUseLeavesEachHostItsOwnResult)
{
    enum Before { typed, focused, done, editor, continued, continuedAndWaited };
    struct Case {
        const char* first; // "currency maximum" of the refund in use; null: the payment flow's editor
        Before before;
        const char* typed;
        const char* second; // "currency maximum" of the refund launched over it; null: a payment launch
        bool byDelegate;
        const char* alerted; // the amount the second refund's alert shows
    };
    const Case cases[] = {
        {"356 100", typed, "2500", "356 50", false, "INR 50.00"},
        {"356 100", typed, "2500", "356 50", true, "INR 50.00"},
        {"356 1000", typed, "80000", "356 50", false, "INR 50.00"},
        {"392 100", typed, "25", "840 50", false, "USD 50.00"},
        {"356 100", focused, "", "356 50.50", true, "INR 50.50"},
        {"356 100", done, "2500", "356 50", false, "INR 50.00"},
        {"356 100", typed, "2500", nullptr, false, ""},
        {nullptr, editor, "INV-9", "356 50", false, "INR 50.00"},
        {"356 100", continued, "", "356 50.50", false, "INR 50.50"},
        {"356 100", continued, "", "840 20", true, "USD 20.00"},
        {"356 100", continuedAndWaited, "", "356 50.50", false, "INR 50.50"},
    };
    const auto request = [](std::string text) {
        const auto space = text.find(' ');
        return platform::NSObject::create<tavro::TavroRefundPaymentRequest>("1234", "Jane Doe", text.substr(0, space),
                                                                            text.substr(space + 1));
    };
    std::vector<Result> first; // the first refund's host
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.first ? c.first : "editor") + " " + std::to_string(c.before) + " / " +
                     (c.second ? c.second : "payment"));
        first.clear();
        results.clear();
        if (c.first) {
            TavroMerchantSDK::launchRefundPaymentFlow(request(c.first), recordInto(first));
            auto screen = shown();
            ASSERT_TRUE(screen);
            if (c.before == focused)
                driver.focus(amountField(*screen));
            if (c.before == typed || c.before == done)
                typeAmount(*screen, c.typed);
            if (c.before == done)
                driver.pressDone();
            if (c.before >= continued) {
                ASSERT_TRUE(driver.tap("PAY_BUTTON"));
                ASSERT_TRUE(driver.tap(driver.presentedAlert()->buttonForAction(tavro::StringConstants::TAVRO_CONTINUE())));
            }
            driver.advanceBy(c.before == continuedAndWaited ? 1 : 0);
        } else {
            TavroMerchantSDK::launchRequestPaymentFlow(validPaymentRequest(), [](bool, auto, auto) {});
            finishSlide();
            ASSERT_TRUE(driver.tap("Payment_Details_Button"));
            driver.advanceBy(1);
            ASSERT_TRUE(driver.toggleSwitch("billNumberSwitch"));
            driver.typeInto("billNumberTextField", c.typed);
        }
        auto delegate = std::make_shared<RefundPaymentDelegate>();
        if (!c.second)
            TavroMerchantSDK::launchRequestPaymentFlow(validPaymentRequest(), [](bool, auto, auto) {});
        else if (c.byDelegate)
            TavroMerchantSDK::launchRefundPaymnetFlow(request(c.second), delegate);
        auto screen = c.second && !c.byDelegate ? launch(request(c.second)) : shown();
        const auto firstHeard = c.before >= continued ? std::vector<std::string>{"100.00"} : std::vector<std::string>{};
        EXPECT_EQ(refundAmounts(first), firstHeard);
        const auto& heard = c.byDelegate ? delegate->results : results;
        EXPECT_TRUE(heard.empty());
        if (c.second) {
            ASSERT_TRUE(screen);
            const std::string amount = std::string(c.alerted).substr(4);
            EXPECT_EQ(shownAmount(*screen), amount);
            ASSERT_TRUE(driver.tap("PAY_BUTTON") && driver.presentedAlert());
            EXPECT_EQ(driver.presentedAlert()->message(), confirmation(c.alerted));
            ASSERT_TRUE(driver.tapAlertAction(tavro::StringConstants::TAVRO_CONTINUE()));
            EXPECT_EQ(refundAmounts(heard), std::vector<std::string>{amount});
        }
        EXPECT_EQ(refundAmounts(first), firstHeard);
        endFlow();
    }
}

// The flow runs on the request as it was validated: what the host changes in its object later
// never reaches the screen.
TEST_F(RefundFlowTest, TheHostsLaterChangesNeverReachTheScreen)
{
    const std::function<void(tavro::TavroRefundPaymentRequest&)> changes[] = {
        [](auto& r) { r.setRefundAmount("1000000"); }, // a larger maximum
        [](auto& r) { r.setCurrencyCode("392"); },     // another currency
    };
    for (const auto& change : changes) {
        auto request = janeDoe("100");
        auto screen = launch(request);
        ASSERT_TRUE(screen);
        change(*request);
        typeAmount(*screen, "10001");
        EXPECT_FALSE(screen->payButton()->isEnabled());
        typeAmount(*screen, "10000");
        EXPECT_EQ(shownAmount(*screen), "100.00");
        EXPECT_TRUE(screen->payButton()->isEnabled());
    }
}

TEST_F(RefundFlowTest, TheIdleTimeOutStillRunsOverTheRefundScreen)
{
    auto screen = launch(janeDoe());
    ASSERT_TRUE(screen);
    int timeOuts = 0;
    auto token = platform::NotificationCenter::defaultCenter().addObserver(
        "TAVROSessionTimeOut", [&timeOuts](const platform::Notification&) { ++timeOuts; });
    driver.advanceBy(session()->activeIdleTimeout() - 1);
    EXPECT_EQ(timeOuts, 0);
    driver.advanceBy(2);
    EXPECT_EQ(timeOuts, 1);
    EXPECT_TRUE(driver.presentedAlert());
    EXPECT_TRUE(results.empty());
}

// Continue counts on a confirmation still shown, or chosen before the flow began to close.
TEST_F(RefundFlowTest, ContinueOnALeavingConfirmationReportsNothing)
{
    enum Order { closeThenContinue, timeOutThenContinue, continueThenClose };
    for (Order order : {closeThenContinue, timeOutThenContinue, continueThenClose}) {
        SCOPED_TRACE(order);
        results.clear();
        ASSERT_TRUE(launch(janeDoe()));
        ASSERT_TRUE(driver.tap("PAY_BUTTON"));
        auto alert = driver.presentedAlert();
        ASSERT_TRUE(alert);
        driver.advanceBy(0.3);
        const auto tapContinue = [&] { driver.tap(alert->buttonForAction(tavro::StringConstants::TAVRO_CONTINUE())); };
        if (order == continueThenClose)
            tapContinue();
        if (order == timeOutThenContinue) {
            driver.advanceBy(session()->activeIdleTimeout());
            ASSERT_TRUE(driver.tapAlertAction(tavro::StringConstants::TAVRO_OK()));
        } else {
            TavroMerchantSDK::endTavroFlow();
        }
        EXPECT_TRUE(alert->isBeingDismissed() || order == continueThenClose);
        if (order != continueThenClose)
            tapContinue();
        driver.advanceBy(2);
        EXPECT_EQ(results.size(), order == continueThenClose ? 1u : 0u);
        EXPECT_EQ(keyWindow(), host);
    }
}

TEST_F(RefundFlowTest, AVeryLongCardHolderNameLeavesContinueOnScreen)
{
    std::string words;
    while (words.size() < 1'000)
        words += "MUHAMMAD WASEEM AKRAM ";
    const std::string names[] = {words.substr(0, 1'000), std::string(100'000, 'J')};
    for (const auto& name : names) {
        SCOPED_TRACE(name.size());
        results.clear();
        auto screen = launch(platform::NSObject::create<tavro::TavroRefundPaymentRequest>("1234", name, "356", "100"));
        ASSERT_TRUE(screen);
        ASSERT_TRUE(driver.tap("PAY_BUTTON"));
        auto alert = driver.presentedAlert();
        ASSERT_TRUE(alert);
        auto button = alert->buttonForAction(tavro::StringConstants::TAVRO_CONTINUE());
        ASSERT_TRUE(button);
        EXPECT_TRUE(session()->sdkWindow()->bounds().contains(button->convert(button->bounds(), nullptr)));
        ASSERT_TRUE(driver.tapAlertAction(tavro::StringConstants::TAVRO_CONTINUE()));
        ASSERT_EQ(results.size(), 1u);
        EXPECT_TRUE(results[0].successful);
        endFlow();
    }
}

// Run under LeakSanitizer as well: closing a flow leaves no screen, form or row behind.
TEST_F(RefundFlowTest, RepeatedRefundCyclesReleaseEveryScreen)
{
    auto& center = platform::NotificationCenter::defaultCenter();
    const auto observers = center.observerCount();
    for (int cycle = 0; cycle < leaktest::flowCycles; ++cycle) {
        auto screen = launch(janeDoe());
        ASSERT_TRUE(screen) << cycle;
        std::weak_ptr<platform::UIViewController> weakScreen = screen;
        std::weak_ptr<platform::UIViewController> navigation = screen->navigationController();
        std::weak_ptr<platform::UIView> form = screen->scrollView();
        std::weak_ptr<platform::UIView> amountRow = screen->scrollView()->amountCellView();
        std::weak_ptr<TAVRORefundPaymentViewController> refundScreen = screen;
        std::weak_ptr<platform::UIView> spinner;
        screen.reset();
        ASSERT_TRUE(payAndContinue()) << cycle;
        if (auto alive = refundScreen.lock())
            spinner = alive->payActivityIndicator();
        endFlow();
        ASSERT_EQ(keyWindow(), host) << cycle;
        for (bool gone :
             {weakScreen.expired(), navigation.expired(), form.expired(), amountRow.expired(), spinner.expired()})
            ASSERT_TRUE(gone) << cycle;
    }
    EXPECT_EQ(results.size(), static_cast<std::size_t>(leaktest::flowCycles));
    EXPECT_EQ(center.observerCount(), observers);
}

// The most that may be refunded is the host's amount cut down, never rounded up, to the minor
// unit the field types in; amounts that leave nothing, or more than a double keeps, are refused.
// The amount is confirmed and reported as the field shows it, whatever currency the device has.
TEST_F(RefundFlowTest, TheRefundNeverExceedsTheHostsAmountCutToTheMinorUnit)
{
    const std::string kInvalid = tavro::StringConstants::REFUND_AMOUNT_INVALID();
    struct Case {
        const char* currency;
        const char* amount;
        const char* field;   // the field's starting text; also the summary's original amount
        const char* largest; // digits typed for the largest amount accepted, which the host hears
        const char* refused; // digits typed for one minor unit more
        std::string message; // the launch's refusal; empty when the screen opens
        enum { typed, pasted, untouched } entry = typed; // untouched: focused, Done, no change
        int caret = -1; // pasted at this caret after a typed 5; `refused` then passes the digit limit
        const char* device = nullptr;
    };
    const Case cases[] = {
        {"356", "100.999", "100.99", "10099", "10100", ""},
        {"840", "99.995", "99.99", "9999", "10000", ""},
        {"356", "0.015", "0.01", "1", "2", ""},
        {"356", "0.29", "0.29", "29", "30", ""}, // 0.29 * 100 is 28.999... in a double
        {"392", "1234.9", "1,234", "1234", "1235", ""},
        {"048", "1.2345", "1.234", "1234", "1235", ""},     // three minor digits
        {"752", "150.505", "150,50", "15050", "15051", ""}, // a decimal comma
        {"978", "123456789.01", "123,456,789.01", "12345678901", "12345678902", "", Case::pasted},
        {"048", "999999990.005", "999,999,990.005", "99999999", "999999999999", "", Case::pasted, 0},
        {"048", "7650286.005", "7,650,286.005", "7650286", "76502869865", "", Case::pasted, 1},
        {"356", "9999999999999", "99,99,99,99,99,999.00", "", "", "", Case::untouched}, // past typing
        {"356", "999999999999999.999", "", "", "", kInvalid},
        {"356", "9007199254740993", "", "", "", kInvalid},
        {"356", "0.001", "", "", "", kInvalid},
        {"392", "0.5", "", "", "", kInvalid},
        // Currencies no locale formats, on devices whose currency has 2, 0 and 3 digits.
        {"990", "12.34567", "12.3456", "123456", "123457", "", Case::typed, -1, "en_US"},
        {"997", "10", "10.00", "1000", "1001", "", Case::typed, -1, "ja_JP"},
        {"999", "10", "10.00", "1000", "1001", "", Case::pasted, -1, "en_BH"},
        {"462", "12.505", "12.50", "1250", "1251", "", Case::typed, -1, "ja_JP"},
        {"426", "100", "100.00", "10000", "10001", "", Case::typed, -1, "en_BH"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.currency) + " " + c.amount + " on " + (c.device ? c.device : "the default device"));
        platform::Locale::setCurrent(c.device ? std::optional(platform::Locale(c.device)) : std::nullopt);
        results.clear();
        auto screen = launch(
            platform::NSObject::create<tavro::TavroRefundPaymentRequest>("1234", "Jane Doe", c.currency, c.amount));
        if (!c.message.empty()) {
            EXPECT_FALSE(screen);
            ASSERT_EQ(results.size(), 1u);
            ASSERT_TRUE(results[0].error);
            EXPECT_EQ(results[0].error->errorCodes(), std::vector<std::string>{c.message});
            continue;
        }
        ASSERT_TRUE(screen);
        const auto& pay = screen->payButton();
        EXPECT_EQ(shownAmount(*screen), c.field);
        const auto original = screen->scrollView()->summaryCellView()->topRightLabel()->text().value_or("");
        EXPECT_EQ(original.substr(original.find(' ') + 1), c.field);
        if (c.entry == Case::untouched) {
            ASSERT_TRUE(driver.focus(amountField(*screen)));
        } else {
            typeAmount(*screen, c.refused, c.entry == Case::pasted, c.caret);
            // Pasted at a caret, the digits are refused whole.
            EXPECT_TRUE(c.caret >= 0 ? shownAmount(*screen) == "0.005" : !pay->isEnabled()) << shownAmount(*screen);
            typeAmount(*screen, c.largest, c.entry == Case::pasted, c.caret);
        }
        EXPECT_EQ(shownAmount(*screen), c.field);
        EXPECT_TRUE(pay->isEnabled());
        driver.pressDone();
        ASSERT_TRUE(driver.tap("PAY_BUTTON") && driver.presentedAlert());
        const auto& alphabetic = tavro::ISOCountryCodes::availableISOCurrencies().at(std::stoll(c.currency));
        EXPECT_EQ(driver.presentedAlert()->message(), confirmation(alphabetic + " " + c.field));
        ASSERT_TRUE(driver.tapAlertAction(tavro::StringConstants::TAVRO_CONTINUE()));
        ASSERT_EQ(results.size(), 1u);
        const auto response = std::static_pointer_cast<tavro::TavroRefundPaymentResponse>(results[0].response);
        EXPECT_EQ(response->refundAmount(), tavro::Utilities::plainAmountText(c.field, c.currency));
        endFlow();
    }
}

// Random host calls, host windows and merchant taps, checked after every step: the active flow is
// the flow the window shows, nothing else stays in the window, and the empty framework window is not
// key; at the end the host's window is key and every host heard its own refusal, or at most one
// result it confirmed, never above its own maximum.
TEST_F(RefundFlowTest, RandomHostCallsAndTapsGiveEachHostItsOwnResultOnce)
{
    struct Host {
        double maximum = 0;
        bool refused = false;
        int continued = 0;
        std::shared_ptr<RefundPaymentDelegate> channel = std::make_shared<RefundPaymentDelegate>();
        std::weak_ptr<platform::UIViewController> root;
    };
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed);
        auto chance = [&random](unsigned n) { return random() % n; };
        std::deque<Host> hosts;
        std::string trail;
        const auto launchRefund = [&] {
            auto& host = hosts.emplace_back();
            const bool valid = chance(4) != 0, byClosure = chance(2) != 0;
            host.maximum = 10 + chance(90);
            host.refused = !valid;
            auto request = platform::NSObject::create<tavro::TavroRefundPaymentRequest>(
                valid ? "1234" : "12a4", "Jane Doe", chance(2) ? "356" : "840",
                std::to_string(static_cast<int>(host.maximum)));
            const auto channel = host.channel;
            const auto reaction = chance(3); // 1: ends the flow, 2: launches a payment, on its result
            if (byClosure)
                TavroMerchantSDK::launchRefundPaymentFlow(request, [channel, reaction](bool ok, auto r, auto e) {
                    channel->results.push_back({ok, r, e});
                    if (ok && reaction == 1)
                        TavroMerchantSDK::endTavroFlow();
                    if (ok && reaction == 2)
                        TavroMerchantSDK::launchRequestPaymentFlow(validPaymentRequest(), [](bool, auto, auto) {});
                });
            else
                TavroMerchantSDK::launchRefundPaymnetFlow(valid || chance(2) ? request : nullptr, channel);
            EXPECT_EQ(channel->results.size(), valid ? 0u : 1u);
            if (valid)
                host.root = session()->sdkWindow()->rootViewController();
        };
        // The host launches a refund the next time its window becomes key (when a close hands it back).
        bool launchOnKey = false;
        auto onKey = platform::NotificationCenter::defaultCenter().addObserver(
            platform::UIWindowDidBecomeKeyNotification,
            [&](const platform::Notification&) {
                if (std::exchange(launchOnKey, false))
                    launchRefund();
            },
            std::shared_ptr<void>(host));
        for (int step = 0; step < 80; ++step) {
            const auto action = chance(13);
            trail += std::to_string(action) + ' ';
            SCOPED_TRACE("seed " + std::to_string(seed) + ": " + trail);
            const auto root = session()->sdkWindow()->rootViewController();
            if (action <= 1) {
                launchRefund();
            } else if (action == 11) {
                // Over the flow, the host makes a window of its own key and drops it.
                if (root)
                    platform::NSObject::create<platform::UIWindow>()->makeKeyAndVisible();
            } else if (action == 12) {
                launchOnKey = true;
            } else if (action == 2) {
                TavroMerchantSDK::launchRequestPaymentFlow(chance(2) ? validPaymentRequest() : invalidPaymentRequest(),
                                                           [](bool, auto, auto) {});
            } else if (action == 3) {
                TavroMerchantSDK::endTavroFlow();
            } else if (action == 4) {
                auto screen = std::dynamic_pointer_cast<TAVRORefundPaymentViewController>(driver.currentScreen());
                if (screen && driver.focus(amountField(*screen))) {
                    driver.backspace(static_cast<int>(chance(8)));
                    driver.type(std::to_string(chance(20000)));
                }
            } else if (action == 5) {
                if (driver.focusedTextField())
                    driver.pressDone();
            } else if (action == 6) {
                driver.tap("PAY_BUTTON");
            } else if (action <= 8) {
                auto alert = driver.presentedAlert();
                auto button = alert ? alert->buttonForAction(tavro::StringConstants::TAVRO_CONTINUE()) : nullptr;
                if (button && driver.tap(button) && alert->isBeingDismissed())
                    for (auto& host : hosts)
                        host.continued += root && host.root.lock() == root;
            } else if (action == 9) {
                driver.tapAlertAction(tavro::StringConstants::TAVRO_CANCEL());
            } else {
                driver.advanceBy(std::array{0.1, 0.35, 200.0}[chance(3)]);
            }
            EXPECT_EQ(session()->activeSessionType(), shownFlow());
            const auto navigation = shownNavigation();
            std::size_t shownControllers = navigation ? 1 : 0;
            for (auto p = navigation ? navigation->presentedViewController() : nullptr; p; p = p->presentedViewController())
                ++shownControllers;
            EXPECT_EQ(session()->sdkWindow()->subviews().size(), shownControllers);
            EXPECT_TRUE(session()->sdkWindow()->rootViewController() || keyWindow() != session()->sdkWindow());
        }
        driver.advanceBy(1);
        for (std::size_t i = 0; i < hosts.size(); ++i) {
            SCOPED_TRACE("seed " + std::to_string(seed) + " host " + std::to_string(i) + ": " + trail);
            const auto& host = hosts[i];
            int successes = 0, failures = 0;
            for (const auto& result : host.channel->results) {
                if (!result.successful) {
                    ++failures;
                    continue;
                }
                ++successes;
                const auto amount =
                    std::stod(std::static_pointer_cast<tavro::TavroRefundPaymentResponse>(result.response)->refundAmount());
                EXPECT_TRUE(amount > 0 && amount <= host.maximum) << amount << " of " << host.maximum;
            }
            EXPECT_EQ(failures, host.refused ? 1 : 0);
            EXPECT_LE(host.continued, 1);
            EXPECT_EQ(successes, std::min(host.continued, 1));
        }
        launchOnKey = false;
        TavroMerchantSDK::endTavroFlow();
        driver.advanceBy(2);
        EXPECT_EQ(keyWindow(), host);
    }
}
