// A host's UI test that links only the package's testing name: it launches the request-payment flow,
// taps the details button as a person would and finds the details editor on screen.
#include "TavroMerchantSDK/core/TavroMerchantSDK.h"
#include "TavroMerchantSDK/core/TavroWindow.h"
#include "platform/testing/UIDriver.h"

#include <cstdio>

int main()
{
    platform::UIDriver driver;
    auto request = platform::NSObject::create<tavro::TavroPaymentRequest>(
        "01", "11", "4111111111111111", "Chai Point", "5812", "Pune", "IN", "356", "", "", "", "", "", "", "", "");
    bool refused = false;
    tavro::TavroMerchantSDK::launchRequestPaymentFlow(request, [&refused](bool, auto, auto) { refused = true; });
    driver.advanceBy(tavro::TavroWindow::animationTime);
    const bool tapped = driver.tap("Payment_Details_Button");
    driver.advanceBy(0.5);
    const bool editorShown = driver.find("Update_Payment_Details_Button") != nullptr;
    const bool ok = !refused && !request->getTLV().empty() && tapped && editorShown;
    std::printf("drive: %s\n", ok ? "ok" : "failed");
    return ok ? 0 : 1;
}
