#include "FlowDemo.h"

#include "TavroMerchantSDK/core/TavroMerchantSDK.h"
#include "platform/render/PNGOutput.h"
#include "platform/testing/UIDriver.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIWindow.h"

#include <cstdio>
#include <string>

using namespace tavro;
using platform::NSObject;

namespace {

std::string firstMessage(const std::shared_ptr<TavroError>& error)
{
    return error && !error->errorCodes().empty() ? error->errorCodes().front() : std::string("(no message)");
}

std::shared_ptr<TavroPaymentRequest> paymentRequest(const HostOptions& options)
{
    return NSObject::create<TavroPaymentRequest>("01", "11", options.merchantID, options.merchantName,
                                                 options.categoryCode, options.city, options.countryCode,
                                                 options.currencyCode, "", "", "", "", "", "", "", "");
}

std::shared_ptr<TavroRefundPaymentRequest> refundRequest(const HostOptions& options)
{
    return NSObject::create<TavroRefundPaymentRequest>("1234", "Asha Rao", options.currencyCode, "150.00");
}

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

struct Outcome {
    int calls = 0;
    bool successful = false;
    std::shared_ptr<TavroError> error;
};

// Launches the flow's request through a closure that records what it hears. A valid request must
// keep the closure silent; with `breakARule` the request breaks one rule and the closure must hear
// of it before the launch returns.
void launch(const HostOptions& options, Outcome& outcome, bool breakARule)
{
    auto record = [&outcome](bool successful, auto, std::shared_ptr<TavroError> error) {
        ++outcome.calls;
        outcome.successful = successful;
        outcome.error = std::move(error);
    };
    if (options.refund) {
        auto request = refundRequest(options);
        if (breakARule) {
            request->setLast4("");
        } else {
            std::printf("refund     : up to %s (currency %s) to %s, card ending %s\n",
                        request->refundAmount().c_str(), request->currencyCode().c_str(),
                        request->cardHolderName().c_str(), request->last4().c_str());
        }
        TavroMerchantSDK::launchRefundPaymentFlow(request, record);
        return;
    }
    auto request = paymentRequest(options);
    if (breakARule) {
        request->setMerchantName("");
    }
    TavroMerchantSDK::launchRequestPaymentFlow(request, record);
    if (!breakARule) {
        std::printf("getTLV     : %s\n", request->getTLV().c_str());
    }
}

} // namespace

int runFlowDemo(const HostOptions& options)
{
    platform::UIDriver driver;
    auto host = makeHostWindow();
    driver.runUntilIdle();
    const auto& session = TavroSession::sharedSession();
    const auto& frameworkWindow = session->sdkWindow();
    const char* flowName = options.refund ? "refund" : "request-payment";
    bool allWell = true;

    Outcome launched;
    launch(options, launched, false);
    const bool shown = platform::UIApplication::shared()->keyWindow() == frameworkWindow;
    if (!shown) {
        std::printf("launch     : refused: %s\n", firstMessage(launched.error).c_str());
        return 1;
    }
    std::printf("launch     : %s flow shown in the framework window\n", flowName);
    driver.advanceBy(TavroWindow::animationTime);

    const std::string picture = options.outputDirectory + "/" + flowName + ".png";
    auto image = driver.render(frameworkWindow);
    if (image && platform::writeImagePNG(*image, picture)) {
        std::printf("picture    : %s\n", picture.c_str());
    } else {
        std::printf("picture    : could not write %s\n", picture.c_str());
        allWell = false;
    }

    bool closed = false;
    TavroMerchantSDK::endTavroFlow([&closed] { closed = true; });
    driver.advanceBy(TavroWindow::animationTime);
    const bool hostIsKey = platform::UIApplication::shared()->keyWindow() == host;
    std::printf("close      : %s, host window key again: %s, results reported: %d\n", closed ? "done" : "pending",
                hostIsKey ? "yes" : "no", launched.calls);
    allWell = allWell && closed && hostIsKey && launched.calls == 0;

    Outcome refused;
    launch(options, refused, true);
    std::printf("refused    : %s request reported through the closure (%d call): %s\n", flowName, refused.calls,
                firstMessage(refused.error).c_str());
    allWell = allWell && refused.calls == 1 && !refused.successful &&
              platform::UIApplication::shared()->keyWindow() == host;
    return allWell ? 0 : 1;
}
