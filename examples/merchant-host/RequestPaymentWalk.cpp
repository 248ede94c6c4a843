// The request-payment flow as a merchant walks it: the QR screen, the details editor with an
// amount, a bill number and a purpose (reached by swiping), UPDATE, the QR screen with the amount
// line, and the share card.
#include "HostWalk.h"

#include "TavroMerchantSDK/core/TavroMerchantSDK.h"
#include "TavroMerchantSDK/core/TavroWindow.h"
#include "TavroMerchantSDK/screens/TAVRORequestPaymentDetailsViewController.h"
#include "TavroMerchantSDK/screens/TAVRORequestPaymentViewController.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIWindow.h"

using namespace tavro;
using platform::NSObject;

void walkRequestPayment(HostWalk& walk, const std::string& merchantID, const std::string& merchantName,
                        const std::string& city, const std::string& categoryCode, const std::string& countryCode,
                        const std::string& currencyCode)
{
    auto& driver = walk.driver();
    auto request = NSObject::create<TavroPaymentRequest>("01", "11", merchantID, merchantName, categoryCode, city,
                                                         countryCode, currencyCode, "", "", "", "", "", "", "", "");
    int results = 0;
    TavroMerchantSDK::launchRequestPaymentFlow(request, [&results](bool, auto, auto) { ++results; });
    const auto& window = TavroSession::sharedSession()->sdkWindow();
    if (platform::UIApplication::shared()->keyWindow() != window) {
        walk.report("request", "the launch was refused", false);
        return;
    }
    driver.advanceBy(TavroWindow::animationTime);
    driver.runUntilIdle();
    walk.report("request", "QR screen shown; its code holds the payload below");
    walk.report("payload", request->getTLV());
    walk.picture("request-payment-qr");

    walk.report("details", "opening the details editor", driver.tap("Payment_Details_Button"));
    driver.advanceBy(0.5);
    walk.picture("details-editor");

    // Typed digits are minor units of the currency: 250.00 where it has two decimals, 25,000 where none.
    const bool amountTyped = driver.typeInto("paymentAmountTextField", "25000") == 5;
    const auto amountField = driver.find("paymentAmountTextField");
    const std::string typedAmount = amountField ? platform::UIDriver::textOf(*amountField).value_or("") : "";
    driver.pressDone();
    const bool switched = driver.toggleSwitch("billNumberSwitch");
    driver.advanceBy(0.3);
    const bool billTyped = driver.typeInto("billNumberTextField", "INV-001") == 7;
    driver.pressDone();
    walk.report("typed", "amount " + typedAmount + " and bill number INV-001", amountTyped && switched && billTyped);
    // The lowest row lies below the fold: finger swipes up the form (through the application's event
    // dispatch, as a host's touches go) bring it on screen, then its field once it is switched on.
    auto editor = std::dynamic_pointer_cast<TAVRORequestPaymentDetailsViewController>(driver.currentScreen());
    const auto swipeUp = [&] {
        const bool swiped = editor && driver.drag(editor->scrollView(), {0, -300});
        driver.advanceBy(0.5);
        return swiped;
    };
    const bool swiped = swipeUp() && swipeUp();
    const bool purposeOn = driver.toggleSwitch("paymentPurposeSwitch");
    driver.advanceBy(0.3);
    const bool purposeTyped = swipeUp() && driver.typeInto("paymentPurposeTextField", "Lunch") == 5;
    driver.pressDone();
    walk.report("swiped", "up the form to the Purpose row: Lunch", swiped && purposeOn && purposeTyped);
    walk.picture("details-filled");

    walk.report("update", "UPDATE pressed", driver.tap("Update_Payment_Details_Button"));
    driver.advanceBy(0.5);
    auto screen = std::dynamic_pointer_cast<TAVRORequestPaymentViewController>(driver.currentScreen());
    const bool amountShown = screen && !screen->amountLabel()->isHidden();
    walk.report("amount", amountShown ? screen->amountLabel()->text().value_or("") : "not shown", amountShown);
    walk.report("payload", request->getTLV());
    walk.picture("request-payment-updated");

    walk.report("share", "share sheet offered", driver.tap("Save_To_Gallery_Button"));
    driver.runUntilIdle();
    walk.picture("share-sheet");
    // The tap chooses the activity; once the sheet has gone the host's handler saves the card.
    const int saved = walk.sharedImagesSaved();
    walk.report("chosen", "Save Image tapped", driver.tapText("Save Image"));
    driver.advanceBy(0.5);
    walk.report("shared", "the host saved the card", walk.sharedImagesSaved() == saved + 1 && !driver.presentedShareSheet());

    bool closed = false;
    TavroMerchantSDK::endTavroFlow([&closed] { closed = true; });
    driver.advanceBy(TavroWindow::animationTime);
    walk.report("close", closed ? "done, no result reported" : "pending", closed && results == 0);
}
