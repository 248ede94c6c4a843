// Launching the request-payment flow up to its first rendered frame: the entry point (validation,
// first screen, navigation chrome, window), the slide on the manual clock (the QR code is drawn
// when the screen appears), and a render of the framework window at scale 2. Closing the flow
// between iterations is not timed.
#include "TavroMerchantSDK/core/TavroMerchantSDK.h"
#include "platform/testing/UIDriver.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIWindow.h"

#include <benchmark/benchmark.h>

using namespace tavro;
using platform::NSObject;

namespace {

std::shared_ptr<TavroPaymentRequest> benchRequest()
{
    return NSObject::create<TavroPaymentRequest>("01", "11", "4123456784", "Corner Cafe", "5812", "Pune", "IN", "356",
                                                 "", "", "", "411001", "", "", "", "");
}

std::shared_ptr<platform::UIWindow> makeHostWindow()
{
    auto window = NSObject::create<platform::UIWindow>();
    window->setRootViewController(NSObject::create<platform::UIViewController>());
    window->makeKeyAndVisible();
    return window;
}

void closeFlow(platform::UIDriver& driver)
{
    TavroMerchantSDK::endTavroFlow();
    driver.advanceBy(TavroWindow::animationTime + 0.01);
}

void BM_LaunchToFirstFrame(benchmark::State& state)
{
    platform::UIDriver driver;
    auto host = makeHostWindow();
    driver.runUntilIdle();
    auto request = benchRequest();
    const auto& window = TavroSession::sharedSession()->sdkWindow();
    for (auto _ : state) {
        TavroMerchantSDK::launchRequestPaymentFlow(request, [](bool, auto, auto) {});
        // Through the slide on the manual clock, so the frame shows the screen as it appeared: with
        // its QR code drawn.
        driver.advanceBy(TavroWindow::animationTime + 0.01);
        auto frame = driver.render(window);
        benchmark::DoNotOptimize(frame);
        state.PauseTiming();
        closeFlow(driver);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LaunchToFirstFrame)->Unit(benchmark::kMillisecond);

// The launch alone (no render), to tell the framework's share from the renderer's.
void BM_LaunchOnly(benchmark::State& state)
{
    platform::UIDriver driver;
    auto host = makeHostWindow();
    driver.runUntilIdle();
    auto request = benchRequest();
    for (auto _ : state) {
        TavroMerchantSDK::launchRequestPaymentFlow(request, [](bool, auto, auto) {});
        driver.runUntilIdle();
        state.PauseTiming();
        closeFlow(driver);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LaunchOnly)->Unit(benchmark::kMicrosecond);

} // namespace
