// An example host: takes the installed framework through its CMake package (or pkg-config) and uses
// only its public headers. It runs on the system clock and pumps the framework's run loop from its
// own loop, as a point-of-sale application would: encodes and validates a payload, shows the
// request-payment QR screen and renders it to pixels, and runs a refund to its result.
//
// Usage: embedding-host [qr.png]. Exits 0 when every step behaved, else 1.

#include "FlowChecks.h"
#include "HostLoop.h"
#include "PayloadCheck.h"

#include "TavroMerchantSDK/core/TavroMerchantSDK.h"
#include "platform/foundation/NSObject.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/SystemClock.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UIViewController.h"
#include "platform/ui/UIWindow.h"

#include <cstdio>
#include <memory>
#include <string>

int main(int argc, char** argv)
{
    const std::string pngPath = argc > 1 ? argv[1] : "";

    // The host decides the clock, the screen's size in points and its scale.
    platform::RunLoop::main().setClock(std::make_shared<platform::SystemClock>());
    platform::UIScreen::main()->setBounds({0, 0, 375, 667});
    platform::UIScreen::main()->setScale(2);

    // Wires the framework once; the entry points would do it too.
    tavro::TavroMerchantSDK::start();

    bool ok = checkPayload();

    // The merchant app's own window, key before the framework opens its own over it.
    auto host = platform::NSObject::create<platform::UIWindow>();
    host->setRootViewController(platform::NSObject::create<platform::UIViewController>());
    host->makeKeyAndVisible();
    pumpFor(0.05);

    ok = checkRequestPayment(pngPath) && ok;
    ok = checkRefund() && ok;
    const bool hostKeyAgain = platform::UIApplication::shared()->keyWindow() == host;
    std::printf("%-9s: %s\n", "host", hostKeyAgain ? "key again" : "FAILED, not key");
    ok = ok && hostKeyAgain;
    std::printf("%-9s: %d drawn as they fell due\n", "frames", framesDrawn());
    std::printf("%s\n", ok ? "all steps behaved" : "some step FAILED");
    return ok ? 0 : 1;
}
