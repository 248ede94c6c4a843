#include "screens/PaymentFormTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/TAVROSwitchCellView.h"
#include "TavroMerchantSDK/screens/TAVRORequestPaymentDetailsViewController.h"
#include "TavroMerchantSDK/screens/TAVRORequestPaymentViewController.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/UINavigationController.h"

using namespace sessiontest;
using tavro::CellType;
using tavro::TAVRORequestPaymentDetailsViewController;
using tavro::TavroMerchantSDK;

namespace {

using Text = std::optional<std::string>;

class RequestPaymentDetailsTest : public SessionTest {
protected:
    // Launches the flow with `request` and opens the editor through the details button.
    std::shared_ptr<TAVRORequestPaymentDetailsViewController> openEditor(std::shared_ptr<tavro::TavroPaymentRequest> request)
    {
        if (!session()->requestPaymentSession()->request()) {
            TavroMerchantSDK::launchRequestPaymentFlow(std::move(request), [](bool, auto, auto) {});
            finishSlide();
        }
        driver.runUntilIdle();
        if (!driver.tap("Payment_Details_Button"))
            return nullptr;
        driver.advanceBy(0.5);
        return std::dynamic_pointer_cast<TAVRORequestPaymentDetailsViewController>(navigation()->topViewController());
    }

    std::shared_ptr<platform::UINavigationController> navigation()
    {
        return std::dynamic_pointer_cast<platform::UINavigationController>(session()->sdkWindow()->rootViewController());
    }

    bool updateEnabled() { return driver.find<platform::UIControl>("Update_Payment_Details_Button")->isEnabled(); }

    // Taps UPDATE and lets the pop finish; true when the editor left.
    bool pressUpdate()
    {
        driver.tap("Update_Payment_Details_Button");
        driver.advanceBy(0.5);
        return !std::dynamic_pointer_cast<TAVRORequestPaymentDetailsViewController>(navigation()->topViewController());
    }

    const std::shared_ptr<tavro::TavroPaymentRequest>& sessionRequest()
    {
        return session()->requestPaymentSession()->request();
    }
};

} // namespace

TEST_F(RequestPaymentDetailsTest, OpensOverTheRequestWithItsValuesAndUpdateOff)
{
    auto request = validPaymentRequest();
    request->setBillID("B-1");
    auto editor = openEditor(request);
    ASSERT_TRUE(editor);
    EXPECT_TRUE(navigation()->isNavigationBarHidden());
    EXPECT_FALSE(updateEnabled());
    EXPECT_EQ(editor->titleLabel()->frame(), platform::CGRect(40, 30, 295, 30));
    EXPECT_EQ(editor->closeButton()->frame(), platform::CGRect(335, 30, 30, 30));
    EXPECT_EQ(editor->scrollView()->frame(), platform::CGRect(0, 90, 375, 517));
    EXPECT_EQ(editor->updateButton()->frame(), platform::CGRect(0, 607, 375, 60));

    const auto& form = *editor->scrollView();
    EXPECT_TRUE(form.switchCell(CellType::billNumber)->rightSwitch()->isOn());
    EXPECT_EQ(form.switchCell(CellType::billNumber)->inputCell()->inputTextField()->text(), Text("B-1"));
    for (int raw = 7; raw <= 13; ++raw)
        EXPECT_FALSE(form.switchCell(static_cast<CellType>(raw))->rightSwitch()->isOn()) << raw;
    // The limit is checked on a copy: the session's request is not the form's.
    EXPECT_NE(form.additionalRequest(), sessionRequest());
    EXPECT_EQ(form.additionalRequest()->billID(), Text("B-1"));
}

TEST_F(RequestPaymentDetailsTest, UpdateWritesTheEditsAndCloseLeavesTheRequestAlone)
{
    auto editor = openEditor(validPaymentRequest());
    ASSERT_TRUE(editor);
    ASSERT_TRUE(driver.toggleSwitch("billNumberSwitch"));
    driver.typeInto("billNumberTextField", "INV-001");
    driver.pressDone();
    ASSERT_TRUE(driver.toggleSwitch("storeIDSwitch"));  // on, left empty: the payer enters it
    editor.reset();

    // Closed: nothing written.
    driver.tap(std::dynamic_pointer_cast<TAVRORequestPaymentDetailsViewController>(navigation()->topViewController())
                   ->closeButton());
    driver.advanceBy(0.5);
    EXPECT_FALSE(navigation()->isNavigationBarHidden());
    EXPECT_FALSE(sessionRequest()->billID());
    EXPECT_FALSE(session()->requestPaymentSession()->isUpdated());

    ASSERT_TRUE(openEditor(nullptr));
    ASSERT_TRUE(driver.toggleSwitch("billNumberSwitch"));
    driver.typeInto("billNumberTextField", "INV-001");
    driver.pressDone();
    ASSERT_TRUE(driver.toggleSwitch("storeIDSwitch"));
    ASSERT_TRUE(updateEnabled());
    ASSERT_TRUE(pressUpdate());
    EXPECT_EQ(sessionRequest()->billID(), Text("INV-001"));
    EXPECT_EQ(sessionRequest()->storeID(), Text("***"));
    EXPECT_FALSE(sessionRequest()->mobileNumber());
    EXPECT_TRUE(session()->requestPaymentSession()->isUpdated());
    EXPECT_FALSE(navigation()->isNavigationBarHidden());
}

TEST_F(RequestPaymentDetailsTest, UpdateDuringEditingKeepsTheTypedTextAndRefusesAnInvalidOne)
{
    ASSERT_TRUE(openEditor(validPaymentRequest()));
    ASSERT_TRUE(driver.toggleSwitch("billNumberSwitch"));
    driver.typeInto("billNumberTextField", "INV-9");
    ASSERT_TRUE(driver.focusedTextField());
    ASSERT_TRUE(pressUpdate());
    EXPECT_EQ(sessionRequest()->billID(), Text("INV-9"));

    // 26 characters: the form still enables UPDATE while typing, but ending the edit turns it off.
    session()->requestPaymentSession()->setIsUpdated(false);
    ASSERT_TRUE(openEditor(nullptr));
    driver.focus(driver.find("billNumberTextField"));
    driver.backspace(5);
    driver.type(std::string(26, 'x'));
    ASSERT_TRUE(updateEnabled());
    EXPECT_FALSE(pressUpdate());
    EXPECT_FALSE(updateEnabled());
    EXPECT_EQ(sessionRequest()->billID(), Text("INV-9"));
    EXPECT_FALSE(session()->requestPaymentSession()->isUpdated());
}

TEST_F(RequestPaymentDetailsTest, ResetClearsEveryOptionalFieldButKeepsTheAmount)
{
    auto request = validPaymentRequest();
    request->setTransactionAmount("250.0");
    request->setBillID(std::string(25, 'b'));
    request->setMobileNumber(std::string(25, 'm'));
    request->setStoreID(std::string(25, 's'));
    request->setLoyaltyNumber(std::string(8, 'l'));  // the data is full: closed rows are dimmed
    auto editor = openEditor(request);
    ASSERT_TRUE(editor);
    const auto& form = *editor->scrollView();
    ASSERT_FALSE(form.switchCell(CellType::terminalID)->rightSwitch()->isUserInteractionEnabled());

    ASSERT_TRUE(driver.tapText("Reset"));
    driver.advanceBy(0.5);
    for (int raw = 6; raw <= 13; ++raw) {
        EXPECT_FALSE(form.switchCell(static_cast<CellType>(raw))->rightSwitch()->isOn()) << raw;
        EXPECT_TRUE(form.switchCell(static_cast<CellType>(raw))->rightSwitch()->isUserInteractionEnabled()) << raw;
    }
    // The form now measures a request without the earlier values.
    EXPECT_FALSE(form.additionalRequest()->billID());
    EXPECT_FALSE(form.additionalRequest()->loyaltyNumber());
    EXPECT_FALSE(editor->request()->billID());
    editor.reset();

    ASSERT_TRUE(pressUpdate());
    EXPECT_EQ(sessionRequest()->transactionAmount(), Text("250.0"));
    EXPECT_FALSE(sessionRequest()->billID());
    EXPECT_FALSE(sessionRequest()->loyaltyNumber());
    EXPECT_FALSE(formtest::topLevelEntries(sessionRequest()->getTLVForPlainObject()).count("62"));
}

TEST_F(RequestPaymentDetailsTest, KeyboardKeepsTheEditedRowInViewAndIsForgottenOnClose)
{
    auto editor = openEditor(validPaymentRequest());
    ASSERT_TRUE(editor);
    auto& center = platform::NotificationCenter::defaultCenter();
    const auto observers = center.observerCount();

    const auto& form = editor->scrollView();
    form->scrollRectToVisible(form->switchCell(CellType::paymentPurpose)->frame(), false);
    ASSERT_TRUE(driver.toggleSwitch("paymentPurposeSwitch"));
    driver.advanceBy(0.5);
    ASSERT_TRUE(driver.focus(driver.find("paymentPurposeTextField")));
    driver.advanceBy(0.5);
    const auto field = editor->currentTextField();
    ASSERT_TRUE(field);
    const auto row = editor->view()->convertFrom(field->superview()->frame(), field->superview()->superview());
    EXPECT_DOUBLE_EQ(row.maxY(), 667 - 216 - 70);

    // A row already in view does not move the form.
    driver.pressDone();
    driver.advanceBy(0.5);
    form->setContentOffset({0, 0});
    ASSERT_TRUE(driver.toggleSwitch("billNumberSwitch"));
    driver.advanceBy(0.5);
    ASSERT_EQ(form->contentOffset().y, 0);
    driver.focus(driver.find("billNumberTextField"));
    driver.advanceBy(0.5);
    EXPECT_EQ(editor->scrollView()->contentOffset().y, 0);

    driver.tap(editor->closeButton());
    EXPECT_EQ(center.observerCount(), observers - 2);
}
