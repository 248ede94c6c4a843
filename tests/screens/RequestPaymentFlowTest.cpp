// The request-payment flow as a merchant walks it, through the UI driver on the manual clock.

#include "screens/PaymentFormTestSupport.h"
#include "platform/graphics/QRScanSupport.h"

#include "TavroMerchantSDK/Common/CellView/TAVROFXAmountCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROSwitchCellView.h"
#include "TavroMerchantSDK/payload/TLVGenerator.h"
#include "TavroMerchantSDK/screens/TAVRORequestPaymentDetailsViewController.h"
#include "TavroMerchantSDK/screens/TAVRORequestPaymentViewController.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "TavroMerchantSDK/support/base/ISOCountryCodes.h"
#include "platform/foundation/NotificationCenter.h"
#include "LeakCycles.h"

using namespace sessiontest;
using tavro::CellType;
using tavro::TAVRORequestPaymentDetailsViewController;
using tavro::TAVRORequestPaymentViewController;
using tavro::TavroMerchantSDK;

namespace {

using Text = std::optional<std::string>;

class RequestPaymentFlowTest : public formtest::RequestFlowTest {
protected:
    std::string scanned(const TAVRORequestPaymentViewController& screen)
    {
        auto image = driver.render(screen.qrImageCellView());
        return image ? qr_test::scan(*image).bytes : "";
    }
    // The amount field as the merchant reads it, in the request's currency.
    double shownAmount(const TAVRORequestPaymentDetailsViewController& editor)
    {
        return tavro::Utilities::amountFromLocalizedText(
            editor.scrollView()->amountCellView()->inputTextField()->text(), "356");
    }
};

} // namespace

TEST_F(RequestPaymentFlowTest, MerchantAddsAnAmountAndABillNumberThenResetsThem)
{
    auto delegateCalls = 0;
    auto request = validPaymentRequest();
    TavroMerchantSDK::launchRequestPaymentFlow(request, [&delegateCalls](bool, auto, auto) { ++delegateCalls; });
    finishSlide();
    driver.runUntilIdle();

    auto screen = top<TAVRORequestPaymentViewController>();
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->title(), Text(tavro::StringConstants::REQUEST_PAYMENT_TITLE()));
    EXPECT_TRUE(driver.find("Back_Button"));
    EXPECT_TRUE(driver.find("Save_To_Gallery_Button"));
    EXPECT_TRUE(driver.findText("Corner Cafe"));
    EXPECT_TRUE(driver.findText("Pune"));
    EXPECT_EQ(scanned(*screen), request->getTLVForPlainObject());

    auto editor = openEditor();
    ASSERT_TRUE(editor);
    EXPECT_FALSE(editor->updateButton()->isEnabled());
    const auto& amountField = editor->scrollView()->amountCellView()->inputTextField();
    EXPECT_EQ(amountField->text(), Text("0.00"));

    ASSERT_TRUE(driver.focus(amountField));
    driver.type("25000");
    EXPECT_EQ(amountField->text(), Text("250.00"));
    EXPECT_EQ(shownAmount(*editor), 250.0);
    driver.pressDone();
    ASSERT_TRUE(driver.toggleSwitch("billNumberSwitch"));
    driver.advanceBy(0.3);
    driver.typeInto("billNumberTextField", "INV-001");
    driver.pressDone();
    editor.reset();
    ASSERT_TRUE(pressUpdate());

    ASSERT_EQ(top<TAVRORequestPaymentViewController>(), screen);
    EXPECT_EQ(request->transactionAmount(), Text("250.0"));
    EXPECT_EQ(request->billID(), Text("INV-001"));
    const auto payload = scanned(*screen);
    const auto entries = formtest::topLevelEntries(payload);
    EXPECT_EQ(entries.count("54"), 1u);
    ASSERT_EQ(entries.count("62"), 1u);
    EXPECT_NE(entries.at("62").find("INV-001"), std::string::npos);
    EXPECT_TRUE(tavro::TLVGenerator::tlvValidation(payload).empty()); // the checksum among the rules
    EXPECT_EQ(screen->amountLabel()->text(), Text("INR 250.00"));
    EXPECT_FALSE(screen->amountLabel()->isHidden());

    ASSERT_TRUE(openEditor());
    ASSERT_TRUE(driver.tapText("Reset"));
    driver.advanceBy(0.3);
    ASSERT_TRUE(pressUpdate());
    EXPECT_FALSE(request->billID());
    EXPECT_EQ(formtest::topLevelEntries(scanned(*screen)).count("62"), 0u);

    // Back at the root closes the window once the slide is over, without a result.
    ASSERT_TRUE(driver.tap("Back_Button"));
    driver.advanceBy(0.3);
    EXPECT_NE(keyWindow(), host);
    driver.advanceBy(0.03);
    EXPECT_EQ(keyWindow(), host);
    EXPECT_EQ(session()->activeSessionType(), TavroActiveFlow::none);
    EXPECT_EQ(delegateCalls, 0);
}

// After an update the amount line and its caption follow the payload just drawn: the amount only
// with an amount entry, the caption with an amount or an additional-data entry, neither without a
// payload; a line shown before hides again. The caption keeps its place whether or not the amount
// shows above it. A tap while the editor slides away does nothing.
TEST_F(RequestPaymentFlowTest, AmountLineAndCaptionFollowThePayload)
{
    const auto request = validPaymentRequest();
    TavroMerchantSDK::launchRequestPaymentFlow(request, [](bool, auto, auto) {});
    finishSlide();
    auto screen = top<TAVRORequestPaymentViewController>();
    ASSERT_TRUE(screen);
    auto typeAmount = [this](const char* digits, bool update = true) {
        auto editor = openEditor();
        ASSERT_TRUE(editor);
        ASSERT_TRUE(driver.focus(editor->scrollView()->amountCellView()->inputTextField()));
        driver.backspace(12);
        driver.type(digits);
        driver.pressDone();
        ASSERT_TRUE(!update || pressUpdate());
    };
    struct Step {
        const char* name;
        std::function<void()> act;
        Text amount; // none: the amount line is hidden
        bool captionShown;
    };
    const std::vector<Step> steps{
        {"a bill number, amount left at zero",
         [&] {
             ASSERT_TRUE(openEditor());
             ASSERT_TRUE(driver.toggleSwitch("billNumberSwitch"));
             driver.advanceBy(0.3);
             driver.typeInto("billNumberTextField", "INV-9");
             driver.pressDone();
             ASSERT_TRUE(pressUpdate());
         },
         std::nullopt, true},
        {"an amount added", [&] { typeAmount("25000"); }, "INR 250.00", true},
        {"the amount back at zero", [&] { typeAmount("0"); }, std::nullopt, true},
        {"reset",
         [&] {
             ASSERT_TRUE(openEditor());
             ASSERT_TRUE(driver.tapText("Reset"));
             driver.advanceBy(0.3);
             ASSERT_TRUE(pressUpdate());
         },
         std::nullopt, false},
        {"an amount alone", [&] { typeAmount("900"); }, "INR 9.00", true},
        {"closed, UPDATE tapped during the slide",
         [&] {
             typeAmount("25000", false);
             ASSERT_TRUE(driver.tap(top<TAVRORequestPaymentDetailsViewController>()->closeButton()));
             EXPECT_FALSE(driver.tap("Update_Payment_Details_Button"));
             EXPECT_EQ(request->transactionAmount(), Text("9.0"));
         },
         "INR 9.00", true},
        {"updated, share tapped during the slide",
         [&] {
             typeAmount("25000", false);
             ASSERT_TRUE(driver.tap("Update_Payment_Details_Button"));
             EXPECT_FALSE(driver.tap("Save_To_Gallery_Button"));
             EXPECT_FALSE(driver.presentedShareSheet());
         },
         "INR 250.00", true},
        {"no payload",
         [&] {
             session()->requestPaymentSession()->setRequest(nullptr);
             screen->viewDidAppear(false);
         },
         std::nullopt, false},
    };
    std::optional<platform::CGRect> captionFrame;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        driver.advanceBy(0.5); // a slide still under way ends
        ASSERT_TRUE(session()->requestPaymentSession()->isUpdated());
        EXPECT_EQ(!screen->amountLabel()->isHidden(), step.amount.has_value());
        EXPECT_EQ(!screen->paymentDetailLabel()->isHidden(), step.captionShown);
        if (step.amount) {
            EXPECT_EQ(screen->amountLabel()->text(), step.amount);
        }
        if (step.captionShown) {
            if (!captionFrame)
                captionFrame = screen->paymentDetailLabel()->frame();
            EXPECT_EQ(screen->paymentDetailLabel()->frame(), *captionFrame);
        }
    }
}

// The amount is the host's to the last digit: what the merchant leaves alone is written back as it
// came, a typed or pasted amount is exact in the currency, and the code drawn passes validation,
// carries that amount and shows it on the amount line, whatever currency the device has.
TEST_F(RequestPaymentFlowTest, UpdateKeepsTheHostsAmountAndWritesOnlyExactAmounts)
{
    enum Act { addBill, addBillAndFocus, type, paste, pasteAt0, pasteAt1 }; // pasteAtN: after a typed 5
    struct Case {
        const char* currency;
        Text hostAmount;
        Act act;
        const char* input; // digits typed or text pasted
        const char* shown; // the field at UPDATE
        Text written;
        const char* device = nullptr;
    };
    const Case cases[] = {
        {"356", "100.990", addBill, "", "100.99", "100.990"},
        {"356", "99999999999.9", addBillAndFocus, "", "99,99,99,99,999.90", "99999999999.9"}, // past typing
        {"392", "1500.00", addBill, "", "1,500", "1500.00"},
        {"356", std::nullopt, type, "0", "0.00", std::nullopt},
        {"356", "250", type, "25000", "250.00", "250"},
        {"392", std::nullopt, type, "999999999999", "999,999,999,999", "999999999999"},
        {"356", std::nullopt, paste, "12.5", "12.50", "12.5"},
        {"356", "250", paste, "1,234.567", "1,234.56", "1234.56"},
        {"392", std::nullopt, paste, "1500.75", "1,500", "1500.0"},
        {"752", "20", paste, "12,5", "12,50", "12.5"},
        {"356", "250", paste, "-5.00", "250.00", "250"},
        {"356", "250", paste, "123456789012.34", "250.00", "250"},
        {"414", std::nullopt, paste, "185965308284", "185,965,308.284", "185965308.284"}, // as typed
        {"978", std::nullopt, paste, "123456789012", "1,234,567,890.12", "1234567890.12"},
        // Put before "0.005", the digits would make 16 and 14: refused whole.
        {"048", std::nullopt, pasteAt0, "999999999999", "0.005", "0.005"},
        {"048", std::nullopt, pasteAt1, "76502869865", "0.005", "0.005"},
        // Currencies no locale formats keep their own digits on devices whose currency has 2, 0, 3.
        {"462", "12.5", addBill, "", "12.50", "12.5", "en_US"},
        {"462", "12.5", addBill, "", "12.50", "12.5", "ja_JP"},
        {"426", "100", addBill, "", "100.00", "100", "en_BH"},
        {"990", "12.3456", addBill, "", "12.3456", "12.3456", "en_US"},
        {"462", std::nullopt, type, "1500", "15.00", "15.0", "en_BH"},
        {"426", std::nullopt, type, "1500", "15.00", "15.0", "ja_JP"},
        {"990", std::nullopt, paste, "12.34567", "12.3456", "12.3456", "en_BH"},
    };
    for (const auto& [currency, hostAmount, act, input, shown, written, device] : cases) {
        SCOPED_TRACE(std::string(currency) + " " + hostAmount.value_or("absent") + " " + input + " on " +
                     (device ? device : "the default device"));
        platform::Locale::setCurrent(device ? std::optional(platform::Locale(device)) : std::nullopt);
        auto request = validPaymentRequest();
        request->setCurrencyCode(currency);
        request->setTransactionAmount(hostAmount);
        auto editor = openEditor(request);
        ASSERT_TRUE(editor);
        const auto field = editor->scrollView()->amountCellView()->inputTextField();
        if (act == addBill || act == addBillAndFocus) {
            ASSERT_TRUE(driver.toggleSwitch("billNumberSwitch"));
            driver.advanceBy(0.3);
            driver.typeInto("billNumberTextField", "INV-1");
            ASSERT_TRUE(act == addBill || driver.focus(field));
        } else {
            ASSERT_TRUE(driver.focus(field));
            if (act == type) {
                driver.backspace(20);
                driver.type(input);
            } else {
                if (act != paste) {
                    driver.backspace(20);
                    driver.type("5");
                    field->userSelect({act == pasteAt0 ? 0u : 1u, 0});
                }
                driver.paste(input);
            }
        }
        EXPECT_EQ(field->text(), shown);
        driver.pressDone();
        editor.reset();
        ASSERT_TRUE(pressUpdate());
        EXPECT_EQ(request->transactionAmount(), written);
        auto screen = top<TAVRORequestPaymentViewController>();
        ASSERT_TRUE(screen);
        const auto payload = scanned(*screen);
        EXPECT_EQ(tavro::TLVGenerator::tlvValidation(payload), std::vector<std::string>{});
        const auto entries = formtest::topLevelEntries(payload);
        EXPECT_EQ(entries.contains("54") ? Text(entries.at("54")) : std::nullopt, written);
        const auto& alphabetic = tavro::ISOCountryCodes::availableISOCurrencies().at(std::stoll(currency));
        EXPECT_EQ(screen->amountLabel()->isHidden() ? std::nullopt : screen->amountLabel()->text(),
                  written ? Text(alphabetic + " " + shown) : std::nullopt);
        TavroMerchantSDK::endTavroFlow();
        finishSlide();
    }
}

// Run under LeakSanitizer as well: closing a flow leaves no screen, form or row behind.
TEST_F(RequestPaymentFlowTest, RepeatedDetailsCyclesReleaseEveryScreenAndRow)
{
    auto& center = platform::NotificationCenter::defaultCenter();
    const auto observers = center.observerCount();
    for (int cycle = 0; cycle < leaktest::flowCycles; ++cycle) {
        TavroMerchantSDK::launchRequestPaymentFlow(validPaymentRequest(), [](bool, auto, auto) {});
        finishSlide();
        std::weak_ptr<platform::UIViewController> root = navigation();
        std::weak_ptr<platform::UIViewController> screen = navigation()->topViewController();
        auto editor = openEditor();
        ASSERT_TRUE(editor) << cycle;
        std::weak_ptr<platform::UIViewController> weakEditor = editor;
        std::weak_ptr<platform::UIView> form = editor->scrollView();
        std::weak_ptr<platform::UIView> row = editor->scrollView()->switchCell(CellType::billNumber);
        std::weak_ptr<platform::UIView> amountRow = editor->scrollView()->amountCellView();
        editor.reset();
        ASSERT_TRUE(driver.toggleSwitch("billNumberSwitch")) << cycle;
        ASSERT_TRUE(pressUpdate());
        TavroMerchantSDK::endTavroFlow();
        finishSlide();
        ASSERT_EQ(keyWindow(), host) << cycle;
        for (bool gone : {root.expired(), screen.expired(), weakEditor.expired(), form.expired(), row.expired(),
                          amountRow.expired()})
            ASSERT_TRUE(gone) << cycle;
    }
    EXPECT_EQ(center.observerCount(), observers);
    EXPECT_EQ(platform::RunLoop::main().pendingTimerCount(), 0u);
}
