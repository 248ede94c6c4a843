#include "FlowDemo.h"

#include "HostWalk.h"

#include "TavroMerchantSDK/core/TavroMerchantSDK.h"
#include "TavroMerchantSDK/core/TavroSession.h"
#include "platform/testing/UIDriver.h"
#include "platform/ui/UIActivityViewController.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UIWindow.h"

#include <cstdio>
#include <filesystem>
#include <string>

using namespace tavro;
using platform::NSObject;

namespace {

// The merchant app's own screen, key before the framework opens.
std::shared_ptr<platform::UIWindow> makeHostWindow()
{
    auto window = NSObject::create<platform::UIWindow>();
    auto home = NSObject::create<platform::UIViewController>();
    home->view()->setBackgroundColor(platform::UIColor::lightGray());
    window->setRootViewController(home);
    window->makeKeyAndVisible();
    return window;
}

// A request that breaks one rule is reported through the closure before the launch returns, and
// the framework's window never opens.
void showRefusal(HostWalk& walk, const HostOptions& options, const std::shared_ptr<platform::UIWindow>& host)
{
    int calls = 0;
    std::string message = "(no message)";
    auto record = [&](bool, auto, std::shared_ptr<TavroError> error) {
        ++calls;
        if (error && !error->errorCodes().empty())
            message = error->errorCodes().front();
    };
    if (options.request) {
        auto request = NSObject::create<TavroPaymentRequest>("01", "11", options.merchantID, "", options.categoryCode,
                                                             options.city, options.countryCode, options.currencyCode,
                                                             "", "", "", "", "", "", "", "");
        TavroMerchantSDK::launchRequestPaymentFlow(request, record);
    } else {
        auto request = NSObject::create<TavroRefundPaymentRequest>("", "Asha Rao", options.currencyCode, "150.00");
        TavroMerchantSDK::launchRefundPaymentFlow(request, record);
    }
    const bool hostKey = platform::UIApplication::shared()->keyWindow() == host;
    walk.report("refused", message + " (" + std::to_string(calls) + " call)", calls == 1 && hostKey);
}

} // namespace

int runFlowDemo(const HostOptions& options)
{
    platform::UIDriver driver;
    // After the driver, which starts from the default screen; the windows that cover the screen
    // follow it.
    platform::UIScreen::main()->setBounds({0, 0, options.screenWidth, options.screenHeight});
    auto host = makeHostWindow();
    driver.runUntilIdle();
    std::error_code ignored;
    std::filesystem::create_directories(options.outputDirectory, ignored);
    HostWalk walk(driver, options.outputDirectory);
    // The host carries out what a person chooses on a share sheet; it can only save the image.
    platform::UIActivityViewController::setHostActivityHandler(
        [&walk](const platform::UIActivityType& type, const std::vector<platform::UIActivityItem>& items) {
            return type == platform::UIActivityTypeSaveToCameraRoll && walk.saveSharedImage(items);
        });
    const auto screen = platform::UIScreen::main()->bounds().size;
    const auto shown = TavroSession::sharedSession()->sdkWindow()->frame().size;
    char size[64];
    std::snprintf(size, sizeof size, "%g x %g points", screen.width, screen.height);
    walk.report("screen", size,
                shown == screen && screen.width == options.screenWidth && screen.height == options.screenHeight);

    if (options.request)
        walkRequestPayment(walk, options.merchantID, options.merchantName, options.city, options.categoryCode,
                           options.countryCode, options.currencyCode);
    if (options.refund)
        walkRefund(walk, options.currencyCode);
    walk.report("host", "host window key again", platform::UIApplication::shared()->keyWindow() == host);
    showRefusal(walk, options, host);
    platform::UIActivityViewController::setHostActivityHandler({});
    return walk.allWell() ? 0 : 1;
}
