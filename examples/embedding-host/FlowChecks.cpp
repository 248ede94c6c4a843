#include "FlowChecks.h"

#include "HostLoop.h"
#include "HostTouches.h"

#include "TavroMerchantSDK/core/TavroMerchantSDK.h"
#include "TavroMerchantSDK/screens/TAVRORequestPaymentViewController.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "platform/ui/UIAlertController.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UINavigationController.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UIWindow.h"

#include <cstdio>

using namespace tavro;
using platform::NSObject;

namespace {

// Seconds a step may take before the host gives up on it.
constexpr double kPatience = 5;
// The framework's window slides in and out over this long; the host lets it finish.
constexpr double kSlide = 0.5;

bool report(const char* step, bool ok, const std::string& detail = {})
{
    std::printf("%-9s: %s%s%s\n", step, ok ? "ok" : "FAILED", detail.empty() ? "" : ", ", detail.c_str());
    return ok;
}

std::shared_ptr<platform::UIWindow> frameworkWindow()
{
    return TavroSession::sharedSession()->sdkWindow();
}

// The screen in front: the top of the navigation stack, or what is presented over it.
platform::UIViewControllerPtr frontScreen()
{
    auto top = frameworkWindow()->topmostViewController();
    if (auto navigation = std::dynamic_pointer_cast<platform::UINavigationController>(top))
        return navigation->visibleViewController();
    return top;
}

bool frameworkWindowIsKey()
{
    return platform::UIApplication::shared()->keyWindow() == frameworkWindow();
}

bool closeFlow()
{
    bool closed = false;
    TavroMerchantSDK::endTavroFlow([&closed] { closed = true; });
    // The completion runs only while the host pumps the loop.
    return report("close", pumpUntil([&closed] { return closed; }, kPatience));
}

// Share of the pixels in `rect` (points) of an image of the whole window darker than `level`
// (0 to 255, on average over red, green and blue).
double shareDarkerThan(const platform::UIImage& image, const platform::CGRect& rect, int level)
{
    const double scale = image.scale();
    int dark = 0;
    int total = 0;
    for (int y = int(rect.minY() * scale); y < int(rect.maxY() * scale); ++y) {
        for (int x = int(rect.minX() * scale); x < int(rect.maxX() * scale); ++x) {
            const auto pixel = image.pixelAt(x, y);
            dark += (pixel.r + pixel.g + pixel.b) < 3 * level;
            ++total;
        }
    }
    return total ? double(dark) / total : 0;
}

// The framework's own resources reached the screen: the title is its text, not its key, and every
// supported network's logo left ink in the frame.
bool checkResources(const TAVRORequestPaymentViewController& screen, const platform::UIImage& frame)
{
    const std::string title = screen.title().value_or("");
    bool ok = report("title", !title.empty() && title != "REQUEST_PAYMENT_TITLE", "\"" + title + "\"");
    int logos = 0;
    int drawn = 0;
    for (const auto& row : screen.supportedNetwork()->subviews()) {
        for (const auto& view : row->subviews()) {
            auto logo = std::dynamic_pointer_cast<platform::UIImageView>(view);
            if (!logo)
                continue;
            ++logos;
            const bool hasImage = logo->image() && !logo->image()->isEmpty();
            drawn += hasImage && shareDarkerThan(frame, logo->convert(logo->bounds(), nullptr), 224) > 0.02;
        }
    }
    return report("logos", logos > 0 && drawn == logos, std::to_string(drawn) + " of " + std::to_string(logos) + " drawn") &&
           ok;
}

} // namespace

bool checkRequestPayment(const std::string& pngPath)
{
    auto request = NSObject::create<TavroPaymentRequest>("01", "11", "4111111111111111", "Chai Point", "5812", "Pune",
                                                         "IN", "356", "", "", "", "", "", "", "", "");
    bool refused = false;
    TavroMerchantSDK::launchRequestPaymentFlow(request, [&refused](bool, auto, auto) { refused = true; });
    if (!report("launch", !refused && frameworkWindowIsKey(), "request payment"))
        return false;

    std::shared_ptr<TAVRORequestPaymentViewController> screen;
    std::shared_ptr<platform::UIImageView> qrView;
    const bool shown = pumpUntil([&screen, &qrView] {
        screen = std::dynamic_pointer_cast<TAVRORequestPaymentViewController>(frontScreen());
        qrView = screen && screen->qrImageCellView() ? screen->qrImageCellView()->qrImageView() : nullptr;
        return qrView && qrView->image();
    }, kPatience);
    pumpFor(kSlide);
    if (!report("qr screen", shown)) {
        closeFlow();
        return false;
    }

    // Frames out: the last frame the host's loop drew, at the screen's scale.
    auto image = latestFrame();
    const auto display = platform::UIScreen::main();
    const bool sized = image && image->pixelWidth() == int(display->bounds().width() * display->scale()) &&
                       image->pixelHeight() == int(display->bounds().height() * display->scale());
    const double share = sized ? shareDarkerThan(*image, qrView->convert(qrView->bounds(), nullptr), 96) : 0;
    char detail[96];
    std::snprintf(detail, sizeof detail, "%dx%d pixels, %.0f%% of the code's square dark", image ? image->pixelWidth() : 0,
                  image ? image->pixelHeight() : 0, share * 100);
    bool ok = report("pixels", sized && share > 0.3 && share < 0.7, detail);
    if (ok)
        ok = checkResources(*screen, *image);
    if (ok && !pngPath.empty())
        ok = report("png", image->writePNG(pngPath), pngPath);
    return closeFlow() && ok;
}

bool checkRefund()
{
    auto request = NSObject::create<TavroRefundPaymentRequest>("1234", "Asha Rao", "356", "150.00");
    int results = 0;
    bool successful = false;
    std::string amount;
    TavroMerchantSDK::launchRefundPaymentFlow(
        request, [&](bool ok, std::shared_ptr<TavroRefundPaymentResponse> response, std::shared_ptr<TavroError>) {
            ++results;
            successful = ok;
            amount = response ? response->refundAmount() : "";
        });
    if (!report("launch", results == 0 && frameworkWindowIsKey(), "refund"))
        return false;
    pumpFor(kSlide);

    // Input in: the merchant taps pay, then Continue in the confirmation.
    if (!report("pay", tapView(findView(frameworkWindow(), "PAY_BUTTON")))) {
        closeFlow();
        return false;
    }
    std::shared_ptr<platform::UIAlertController> alert;
    pumpUntil([&] {
        alert = std::dynamic_pointer_cast<platform::UIAlertController>(frameworkWindow()->topmostViewController());
        return alert != nullptr;
    }, kPatience);
    pumpFor(kSlide);
    if (!report("confirm", alert && tapView(alert->buttonForAction(StringConstants::TAVRO_CONTINUE())))) {
        closeFlow();
        return false;
    }
    pumpUntil([&results] { return results > 0; }, kPatience);
    const bool ok = report("result", results == 1 && successful && amount == "150.00",
                           std::string(successful ? "success" : "failure") + ", refundAmount " + amount);
    return closeFlow() && ok;
}
