// The refund flow with a 1 MB card holder name of three shapes (one-letter lines, letters between tabs,
// one letter under a single cluster of combining accents): launch to the refund screen drawn, and PAY
// to the confirmation drawn. Closing the flow between iterations is not timed.
#include "TavroMerchantSDK/core/TavroMerchantSDK.h"
#include "platform/testing/UIDriver.h"
#include "platform/ui/UIAlertController.h"
#include "platform/ui/UIWindow.h"

#include <benchmark/benchmark.h>

using namespace tavro;
using platform::NSObject;

namespace {

std::string longName(int shape)
{
    constexpr std::size_t bytes = 1 << 20;
    const char* pieces[] = {"A\n", "a\t", "\u0301"};
    std::string name = shape == 2 ? "a" : "";
    while (name.size() + 2 <= bytes) {
        name += pieces[shape];
    }
    return name;
}

struct Flow {
    platform::UIDriver driver;
    std::shared_ptr<platform::UIWindow> host = NSObject::create<platform::UIWindow>();
    std::shared_ptr<TavroRefundPaymentRequest> request;

    explicit Flow(int shape)
        : request(NSObject::create<TavroRefundPaymentRequest>("1234", longName(shape), "356", "100"))
    {
        host->setRootViewController(NSObject::create<platform::UIViewController>());
        host->makeKeyAndVisible();
        driver.runUntilIdle();
    }
    void launch()
    {
        TavroMerchantSDK::launchRefundPaymentFlow(request, [](bool, auto, auto) {});
        driver.advanceBy(TavroWindow::animationTime + 0.01);
        benchmark::DoNotOptimize(driver.renderScreen());
    }
    bool pay()
    {
        driver.tap("PAY_BUTTON");
        driver.advanceBy(0.5);
        benchmark::DoNotOptimize(driver.renderScreen());
        return driver.presentedAlert() != nullptr;
    }
    void close()
    {
        TavroMerchantSDK::endTavroFlow();
        driver.advanceBy(TavroWindow::animationTime + 0.01);
    }
};

void BM_RefundLaunch(benchmark::State& state)
{
    Flow flow(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        flow.launch();
        state.PauseTiming();
        flow.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RefundLaunch)->DenseRange(0, 2)->ArgName("shape")->Unit(benchmark::kMillisecond);

void BM_RefundAlert(benchmark::State& state)
{
    Flow flow(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        flow.launch();
        state.ResumeTiming();
        const bool shown = flow.pay();
        state.PauseTiming();
        if (!shown) {
            state.SkipWithError("no confirmation shown");
        }
        flow.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RefundAlert)->DenseRange(0, 2)->ArgName("shape")->Unit(benchmark::kMillisecond);

} // namespace
